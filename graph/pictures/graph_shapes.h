#pragma once

#include "graph/engine/axis_letters.h"
#include "graph/engine/graph_model.h"
#include "graph/engine/key_points.h"

#include <QLineF>
#include <QPolygonF>

#include <vector>

class QPainter;

namespace graph {

// What was drawn in one color, between drawing in other colors: lines (grid
// lines, axes, straight lines) as segments, each parabola as one polyline per
// run inside the area, a single point as a dot.
struct ShapeGroup
{
    QRgb color = 0;
    std::vector<QLineF> lines;
    std::vector<QPolygonF> runs;
    std::vector<QPointF> dots;
};

// The graph as vector shapes in logical pixels, clipped to its area, in the
// order they were drawn: what every vector output draws.
struct GraphShapes
{
    QSizeF size;
    QRgb background = 0;
    std::vector<ShapeGroup> groups;
    AxisLetters letters;
    // Ringed over everything, where the key points are shown.
    std::vector<KeyPoint> keyPoints;
    QColor markColor;
};

// A run leaves out the points that the line between the points kept on either
// side passes within this many logical pixels of, measured along Y.
constexpr double RunTolerance = 0.05;

GraphShapes ShapesOf(const GraphModel &drawing);

// Paints them with a painter whose unit is the logical pixel.
void PaintShapes(QPainter &painter, const GraphShapes &shapes);

} // namespace graph
