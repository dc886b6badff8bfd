#pragma once

#include "platform/form.h"
#include "surface.h"

// The graph window: shows the persistent drawing surface under its labels.
class frmGraph : public platform::Form
{
    Q_OBJECT

public:
    frmGraph();

    [[nodiscard]] graph::GraphSurface &surface() { return m_surface; }
    // Shows what was drawn on the surface since the last repaint.
    void surfaceChanged();

private:
    graph::GraphSurface m_surface;
    QWidget *m_view = nullptr;
};
