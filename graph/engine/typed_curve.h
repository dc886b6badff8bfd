#pragma once

#include "graph/engine/key_points.h"

class QColor;
class QPainter;

namespace graph {

// Sketches a curve not yet drawn as a thin dashed line over a graph painted
// in logical pixels: a preview, never part of the drawing.
void PaintTypedCurve(QPainter &painter, const Polynomial &curve, const QColor &color);

} // namespace graph
