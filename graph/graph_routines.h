#pragma once

#include "graph/graph_drawing.h"

#include <functional>

// The drawing routines of graph_mdl: they draw on the installed target.
namespace graph_mdl {

using platform::Single;

void PlotPoint(Single &x, Single &y);
void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2);
void DrawGrid();
void PlotLinear(const Single &m, const Single &c);
void PlotParabola(const Single &a, const Single &b, const Single &c);

// Where the routines draw. The engine names no window: the window that shows
// the drawing binds itself here, and a test can bind a drawing of its own.
struct DrawingTarget
{
    // Asked only once something is drawn, so it may load the window.
    graph::DrawingSource drawing;
    // If set, called once after each routine, also one stopped by an error,
    // so that what was drawn before the error shows.
    std::function<void()> changed;
};

// Installs the target; returns the one it replaces.
DrawingTarget SetDrawingTarget(DrawingTarget target);

} // namespace graph_mdl
