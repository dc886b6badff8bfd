#pragma once

#include "platform/values.h"

// The drawing routines of graph_mdl: they draw on the graph window, loading
// it (hidden) when it is not loaded.
namespace graph_mdl {

using platform::Single;

void PlotPoint(Single &x, Single &y);
void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2);
void DrawGrid();
void PlotLinear(const Single &m, const Single &c);
void PlotParabola(const Single &a, const Single &b, const Single &c);

} // namespace graph_mdl
