#pragma once

#include "app/frmcontrol.h"
#include "app/frmmain.h"
#include "app/graph_mdl.h"
#include "graph/window/frmgraph.h"
#include "widget_test_support.h"

// A fresh process: no windows, settings zero.
inline void ResetProgram()
{
    platform::ResetForms();
    graph_mdl::ResetGraph();
    graph_mdl::LinearSlope = 0;
    graph_mdl::LinearIntercept = 0;
    graph_mdl::AxisColor = {};
    graph_mdl::GridColor = {};
    graph_mdl::PlotColor = {};
    graph_mdl::BackgroundColor = {};
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

// Makes the window active, as a click on it does; whether it became active.
inline bool Activate(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Where a window's client area stands, from the primary screen's corner.
inline QPoint ClientPlace(const platform::Form &form)
{
    return form.client()->mapToGlobal(QPoint(0, 0)) - QGuiApplication::primaryScreen()->geometry().topLeft();
}

// A pixel of the graph window at ratio 1, where world (0, 0) is pixel
// (233, 233) and world (2, 4) is pixel (246, 206). A line is sampled at the
// centre of each pixel column (row, where steep): x + 10 lights (100, 299),
// as x = -19.925 there.
inline QRgb GraphPixel(QPoint devicePixel)
{
    return platform::Instance<frmGraph>().surface().image().pixel(devicePixel);
}
