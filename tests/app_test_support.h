#pragma once

#include "app/frmcontrol.h"
#include "app/frmmain.h"
#include "app/graph_mdl.h"
#include "graph/frmgraph.h"
#include "test_support.h"

// A fresh process: no windows, settings zero.
inline void ResetProgram()
{
    platform::ResetForms();
    graph_mdl::LinearSlope = 0;
    graph_mdl::LinearIntercept = 0;
    graph_mdl::AxisColor = 0;
    graph_mdl::GridColor = 0;
    graph_mdl::PlotColor = 0;
    graph_mdl::BackgroundColor = 0;
}

// Start-up without waiting the splash's second: Main, then its first tick.
inline frmControl &StartProgram()
{
    ResetProgram();
    graph_mdl::Main();
    platform::Instance<frmMain>().Timer1_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return platform::Instance<frmControl>();
}

inline QRgb GraphPixel(QPoint devicePixel)
{
    return platform::Instance<frmGraph>().surface().image().pixel(devicePixel);
}

// The device pixel of a world point on the graph window.
inline QPoint WorldPixel(float x, float y)
{
    return platform::Instance<frmGraph>().surface().devicePixel(static_cast<float>(x * 100.0 + 3500.0),
                                                                static_cast<float>(3500.0 - y * 100.0));
}

// World coordinates of the centre of a pixel column or row (at ratio 1).
// Lines are sampled there, so a point of the line at that place lies in the
// pixel the line lights.
inline float ColumnCentreX(int column)
{
    return (15.0f * static_cast<float>(column) + 7.5f - 3500.0f) / 100.0f;
}
inline float RowCentreY(int row)
{
    return (3500.0f - (15.0f * static_cast<float>(row) + 7.5f)) / 100.0f;
}
