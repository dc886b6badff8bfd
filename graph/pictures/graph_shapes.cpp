#include "graph_shapes.h"

#include "graph/engine/curve_drawing.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace graph {

namespace {

// A polyline that keeps only the points it needs: a point is left out while
// the line from the last kept point to a later one passes within the
// tolerance of it. The slopes that do so for every point passed narrow as
// points come, so each point costs a constant time.
class RunBuilder
{
public:
    void add(QPointF point)
    {
        if (m_kept.isEmpty()) {
            m_kept << point;
            return;
        }
        if (m_candidate && !reachable(point)) {
            m_kept << *m_candidate;
            m_low = -std::numeric_limits<double>::infinity();
            m_high = std::numeric_limits<double>::infinity();
        }
        narrowBy(point);
        m_candidate = point;
    }

    [[nodiscard]] QPolygonF finish()
    {
        if (m_candidate)
            m_kept << *m_candidate;
        QPolygonF run = std::move(m_kept);
        *this = {};
        return run;
    }

private:
    [[nodiscard]] bool reachable(QPointF point) const
    {
        const QPointF from = m_kept.back();
        const double dx = point.x() - from.x();
        if (!(dx > 0.0))
            return false;
        const double slope = (point.y() - from.y()) / dx;
        return slope >= m_low && slope <= m_high;
    }

    // Keeps only the slopes from the last kept point that pass by this point.
    void narrowBy(QPointF point)
    {
        const QPointF from = m_kept.back();
        const double dx = point.x() - from.x();
        if (!(dx > 0.0)) {
            m_low = std::numeric_limits<double>::infinity();
            m_high = -std::numeric_limits<double>::infinity();
            return;
        }
        m_low = std::max(m_low, (point.y() - RunTolerance - from.y()) / dx);
        m_high = std::min(m_high, (point.y() + RunTolerance - from.y()) / dx);
    }

    QPolygonF m_kept;
    std::optional<QPointF> m_candidate;
    double m_low = -std::numeric_limits<double>::infinity();
    double m_high = std::numeric_limits<double>::infinity();
};

// Draws like the surface, collecting shapes: lines clipped to the area,
// consecutive points joined into runs that end where the points leave it.
class ShapeBuilder
{
public:
    explicit ShapeBuilder(GraphShapes &shapes) : m_shapes(shapes) {}

    // What the replay draws points and lines with.
    class Pen
    {
    public:
        explicit Pen(ShapeBuilder &builder) : m_builder(builder) {}
        void pset(Single X, Single Y) const { m_builder.pset(X, Y); }
        void line(Single X1, Single Y1, Single X2, Single Y2) const { m_builder.line(X1, Y1, X2, Y2); }

    private:
        ShapeBuilder &m_builder;
    };

    [[nodiscard]] Pen pen() { return Pen(*this); }

    void setBackColor(Color color)
    {
        endRun();
        m_shapes.background = platform::ToQRgb(color);
        m_shapes.groups.clear();
    }

    void setForeColor(Color color)
    {
        endRun();
        m_color = platform::ToQRgb(color);
    }

    void line(Single X1, Single Y1, Single X2, Single Y2)
    {
        endRun();
        if (const std::optional<QLineF> clipped = ClipSegment(Position(X1, Y1), Position(X2, Y2), m_shapes.size))
            group().lines.push_back(*clipped);
    }

    void pset(Single X, Single Y)
    {
        const QPointF at = Position(X, Y);
        if (inside(at)) {
            // A run that comes in from outside starts where it crosses the edge.
            if (!m_inRun && m_previous)
                m_run.add(ClipSegment(*m_previous, at, m_shapes.size)->p1());
            m_run.add(at);
            m_inRun = true;
        } else if (m_inRun) {
            m_run.add(ClipSegment(*m_previous, at, m_shapes.size)->p2());
            endRun();
        }
        m_previous = at;
    }

    void endRun()
    {
        if (m_inRun) {
            QPolygonF run = m_run.finish();
            if (run.size() == 1)
                group().dots.push_back(run.front());
            else
                group().runs.push_back(std::move(run));
        }
        m_inRun = false;
        m_previous.reset();
    }

private:
    static QPointF Position(Single X, Single Y) { return {DevicePosition(X, 1.0), DevicePosition(Y, 1.0)}; }

    // The pixels a point can set: the surface's own test.
    [[nodiscard]] bool inside(QPointF at) const
    {
        return at.x() >= 0.0 && at.y() >= 0.0 && at.x() < m_shapes.size.width() && at.y() < m_shapes.size.height();
    }

    ShapeGroup &group()
    {
        if (m_shapes.groups.empty() || m_shapes.groups.back().color != m_color)
            m_shapes.groups.push_back({.color = m_color});
        return m_shapes.groups.back();
    }

    GraphShapes &m_shapes;
    QRgb m_color = 0;
    RunBuilder m_run;
    bool m_inRun = false;
    std::optional<QPointF> m_previous;
};

} // namespace

GraphShapes ShapesOf(const GraphModel &drawing)
{
    GraphShapes shapes{.size = QSizeF(drawing.logicalSize()),
                       .background = platform::ToQRgb(drawing.record().freshColor()),
                       .groups = {},
                       .letters = drawing.axisLetters()};
    ShapeBuilder builder(shapes);
    DrawRecord(drawing.record(), builder, shapes.size);
    builder.endRun();
    if (drawing.keyPointsMarked()) {
        shapes.keyPoints = KeyPointsOf(drawing.record());
        shapes.markColor = drawing.markColor();
    }
    return shapes;
}

void PaintShapes(QPainter &painter, const GraphShapes &shapes)
{
    const QRectF area(QPointF(), shapes.size);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, QColor(shapes.background));
    for (const ShapeGroup &group : shapes.groups) {
        const QColor color(group.color);
        painter.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawLines(group.lines.data(), static_cast<int>(group.lines.size()));
        for (const QPolygonF &run : group.runs)
            painter.drawPolyline(run);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        for (const QPointF &dot : group.dots)
            painter.drawRect(QRectF(dot - QPointF(0.5, 0.5), QSizeF(1.0, 1.0)));
    }
    PaintAxisLetters(painter, shapes.letters);
    PaintKeyPoints(painter, shapes.keyPoints, shapes.markColor);
    painter.restore();
}

} // namespace graph
