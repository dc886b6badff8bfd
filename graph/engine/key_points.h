#pragma once

#include "graph/engine/drawing_record.h"

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

#include <optional>
#include <vector>

namespace graph {

// The points of a drawn curve a student looks for, in world coordinates,
// computed in double from the coefficients as drawn (Single-rounded).
enum class KeyPointKind { Vertex, Root, YIntercept, XIntercept, Intersection };

struct KeyPoint
{
    KeyPointKind kind;
    QPointF at;
};

// y = a*x^2 + b*x + c, or y = m*x + c with a = 0.
struct Polynomial
{
    double a = 0;
    double b = 0;
    double c = 0;

    [[nodiscard]] double at(double x) const { return (a * x + b) * x + c; }
    [[nodiscard]] double slope(double x) const { return 2 * a * x + b; }
};

// The equation of a line or a parabola; nothing for points and segments.
std::optional<Polynomial> PolynomialOf(const RecordedCurve &curve);

// Only points inside the grid, -35 to 35 on both axes, are given.
std::vector<KeyPoint> KeyPointsOf(const Polynomial &curve);
std::vector<KeyPoint> Intersections(const Polynomial &one, const Polynomial &other);

// Every key point of every line and parabola of the record, their
// intersections included.
std::vector<KeyPoint> KeyPointsOf(const DrawingRecord &record);

// Its name and coordinates, to at most two decimals: "จุดยอด (0, -4)".
QString KeyPointText(const KeyPoint &point);

// Where a world point lies on the graph, in logical pixels.
QPointF LogicalPoint(QPointF world);

// The ring that marks a key point, in logical pixels.
constexpr double KeyPointRingRadius = 4.0;
constexpr double KeyPointRingWidth = 1.5;

// Marks each point with a ring, over a graph painted in logical pixels.
void PaintKeyPoints(QPainter &painter, const std::vector<KeyPoint> &points, const QColor &color);

// How far the world point lies from the curve, in world units, measured
// across it.
double DistanceFrom(const Polynomial &curve, QPointF world);

} // namespace graph
