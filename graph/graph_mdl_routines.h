#pragma once

#include "graph/graph_model.h"

// The drawing routines of graph_mdl: the graph window's model does the work,
// and drawing loads the window (hidden) if it is not loaded.
namespace graph_mdl {

using platform::Single;

void PlotPoint(Single &x, Single &y);
void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2);
void DrawGrid();
void PlotLinear(const Single &m, const Single &c);
void PlotParabola(const Single &a, const Single &b, const Single &c);

// The one graph of the run, made on first use.
graph::GraphModel &Graph();
// Forgets the graph and its history, as a fresh process has none.
void ResetGraph();

} // namespace graph_mdl
