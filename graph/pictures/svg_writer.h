#pragma once

#include "graph/pictures/graph_shapes.h"

class QIODevice;

namespace graph {

// Writes the shapes as an SVG drawing whose unit is the logical pixel: lines
// as lines, runs as paths, letters as text. False when the device fails.
bool WriteSvg(const GraphShapes &shapes, QIODevice &device);

} // namespace graph
