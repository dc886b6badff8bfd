#include "key_points.h"

#include "graph/engine/mapping.h"
#include "platform/core/twips.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace graph {

namespace {

constexpr double GridEnd = 35.0;

bool InsideGrid(QPointF point)
{
    return std::abs(point.x()) <= GridEnd && std::abs(point.y()) <= GridEnd;
}

void Add(std::vector<KeyPoint> &points, KeyPointKind kind, QPointF at)
{
    // Adding 0 turns a -0 into 0, which is written without its sign.
    if (std::isfinite(at.x()) && std::isfinite(at.y()) && InsideGrid(at))
        points.push_back({kind, QPointF(at.x() + 0.0, at.y() + 0.0)});
}

// The real roots of a*x^2 + b*x + c = 0; none where it holds for every x.
std::vector<double> Roots(double a, double b, double c)
{
    if (a == 0.0)
        return b == 0.0 ? std::vector<double>{} : std::vector<double>{-c / b};
    const double discriminant = b * b - 4 * a * c;
    if (discriminant < 0.0)
        return {};
    if (discriminant == 0.0)
        return {-b / (2 * a)};
    const double root = std::sqrt(discriminant);
    return {(-b - root) / (2 * a), (-b + root) / (2 * a)};
}

} // namespace

std::optional<Polynomial> PolynomialOf(const RecordedCurve &curve)
{
    if (const auto *line = std::get_if<RecordedLinear>(&curve))
        return Polynomial{0.0, line->m, line->c};
    if (const auto *parabola = std::get_if<RecordedParabola>(&curve))
        return Polynomial{parabola->a, parabola->b, parabola->c};
    return std::nullopt;
}

std::vector<KeyPoint> KeyPointsOf(const Polynomial &curve)
{
    std::vector<KeyPoint> points;
    if (curve.a != 0.0)
        Add(points, KeyPointKind::Vertex, {-curve.b / (2 * curve.a), curve.c - curve.b * curve.b / (4 * curve.a)});
    const KeyPointKind crossing = curve.a != 0.0 ? KeyPointKind::Root : KeyPointKind::XIntercept;
    for (const double x : Roots(curve.a, curve.b, curve.c))
        Add(points, crossing, {x, 0.0});
    Add(points, KeyPointKind::YIntercept, {0.0, curve.c});
    return points;
}

std::vector<KeyPoint> Intersections(const Polynomial &one, const Polynomial &other)
{
    std::vector<KeyPoint> points;
    for (const double x : Roots(one.a - other.a, one.b - other.b, one.c - other.c))
        Add(points, KeyPointKind::Intersection, {x, one.at(x)});
    return points;
}

std::vector<KeyPoint> KeyPointsOf(const DrawingRecord &record)
{
    std::vector<Polynomial> curves;
    for (const RecordedCurve &curve : record.curves())
        if (const auto polynomial = PolynomialOf(curve))
            curves.push_back(*polynomial);
    std::vector<KeyPoint> points;
    const auto append = [&points](const std::vector<KeyPoint> &more) {
        points.insert(points.end(), more.begin(), more.end());
    };
    for (std::size_t i = 0; i < curves.size(); ++i) {
        append(KeyPointsOf(curves[i]));
        for (std::size_t j = 0; j < i; ++j)
            append(Intersections(curves[j], curves[i]));
    }
    return points;
}

void PaintKeyPoints(QPainter &painter, const std::vector<KeyPoint> &points, const QColor &color)
{
    constexpr double Radius = 4.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.5));
    painter.setBrush(Qt::NoBrush);
    for (const KeyPoint &point : points) {
        const QPointF at((point.at.x() * CanvasPerWorld + CanvasOrigin) / platform::TwipsPerPixel,
                         (CanvasOrigin - point.at.y() * CanvasPerWorld) / platform::TwipsPerPixel);
        painter.drawEllipse(at, Radius, Radius);
    }
    painter.restore();
}

double DistanceFrom(const Polynomial &curve, QPointF world)
{
    const double slope = curve.slope(world.x());
    return std::abs(curve.at(world.x()) - world.y()) / std::sqrt(1.0 + slope * slope);
}

} // namespace graph
