#pragma once

#include "graph/engine/graph_model.h"

// The drawing routines of graph_mdl: the graph window's model does the work,
// and drawing loads the window (hidden) if it is not loaded.
namespace graph_mdl {

using platform::Single;

void PlotPoint(Single &x, Single &y);
void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2);
void DrawGrid();
void PlotLinear(const Single &m, const Single &c);
void PlotParabola(const Single &a, const Single &b, const Single &c);

// Opens a lesson file: the graph is wiped as a clearing wipes it, takes the
// lesson's colors, and each equation is drawn as its dialog draws it. A file
// that is no lesson raises a runtime error before anything changes; an
// equation that fails is reported, and the rest are drawn.
void OpenLesson(const QString &path);
// Saves the equations drawn since the last clearing with their colors.
void SaveLesson(const QString &path);

// The one graph of the run, made on first use.
graph::GraphModel &Graph();
// Forgets the graph and its history, as a fresh process has none.
void ResetGraph();

} // namespace graph_mdl
