#include "key_points.h"

#include "graph/engine/mapping.h"
#include "platform/core/twips.h"
#include "platform/core/values.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace graph {

namespace {

constexpr double GridEnd = 35.0;

class KeyPoints
{
    Q_DECLARE_TR_FUNCTIONS(KeyPoints)

public:
    static QString Name(KeyPointKind kind)
    {
        switch (kind) {
        case KeyPointKind::Vertex:
            //: In the graph's tooltip and the printed list: the parabola's vertex, followed by its coordinates.
            return tr("จุดยอด");
        case KeyPointKind::Root:
            //: In the graph's tooltip and the printed list: a root of the parabola's equation, followed by its
            //: coordinates.
            return tr("รากของสมการ");
        case KeyPointKind::YIntercept:
            //: In the graph's tooltip and the printed list: where the curve crosses the y axis.
            return tr("จุดตัดแกน y");
        case KeyPointKind::XIntercept:
            //: In the graph's tooltip and the printed list: where the line crosses the x axis.
            return tr("จุดตัดแกน x");
        case KeyPointKind::Intersection:
            //: In the graph's tooltip and the printed list: where two drawn curves cross.
            return tr("จุดตัด");
        }
        return {};
    }
};

// Up to two decimals, rounded half away from zero.
QString UpToTwoDecimals(double value)
{
    return platform::FixedText(std::round(value * 100.0) / 100.0, 2);
}

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

QString KeyPointText(const KeyPoint &point)
{
    return KeyPoints::Name(point.kind) + QStringLiteral(" (") + UpToTwoDecimals(point.at.x()) + QStringLiteral(", ") +
           UpToTwoDecimals(point.at.y()) + QLatin1Char(')');
}

QPointF LogicalPoint(QPointF world)
{
    return {(world.x() * CanvasPerWorld + CanvasOrigin) / platform::TwipsPerPixel,
            (CanvasOrigin - world.y() * CanvasPerWorld) / platform::TwipsPerPixel};
}

void PaintKeyPoints(QPainter &painter, const std::vector<KeyPoint> &points, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, KeyPointRingWidth));
    painter.setBrush(Qt::NoBrush);
    for (const KeyPoint &point : points)
        painter.drawEllipse(LogicalPoint(point.at), KeyPointRingRadius, KeyPointRingRadius);
    painter.restore();
}

double DistanceFrom(const Polynomial &curve, QPointF world)
{
    const double slope = curve.slope(world.x());
    return std::abs(curve.at(world.x()) - world.y()) / std::sqrt(1.0 + slope * slope);
}

} // namespace graph
