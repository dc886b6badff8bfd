#include "drawing_record.h"

#include "plotters.h"

#include <QPainter>

namespace graph {

namespace {

// Draws like the surface, with a painter in logical pixels: lines between
// their exact ends, points as one-pixel squares centred on theirs.
class VectorCanvas
{
public:
    VectorCanvas(QPainter &painter, QSizeF logicalSize) : m_painter(painter), m_size(logicalSize) {}

    void setBackColor(Color color) const
    {
        m_painter.fillRect(QRectF(QPointF(), m_size), QColor(platform::ToQRgb(color)));
    }
    void setForeColor(Color color)
    {
        m_color = QColor(platform::ToQRgb(color));
        m_mode = Mode::None;
    }
    [[nodiscard]] const VectorCanvas &pen() const { return *this; }

    void line(Single X1, Single Y1, Single X2, Single Y2) const
    {
        if (const std::optional<QLineF> clipped = ClipSegment(Position(X1, Y1), Position(X2, Y2), m_size)) {
            use(Mode::Lines);
            m_painter.drawLine(*clipped);
        }
    }

    void pset(Single X, Single Y) const
    {
        const QPointF at = Position(X, Y);
        if (at.x() >= 0.0 && at.y() >= 0.0 && at.x() < m_size.width() && at.y() < m_size.height()) {
            use(Mode::Points);
            m_painter.drawRect(QRectF(at - QPointF(0.5, 0.5), QSizeF(1.0, 1.0)));
        }
    }

private:
    enum class Mode { None, Lines, Points };

    static QPointF Position(Single X, Single Y) { return {DevicePosition(X, 1.0), DevicePosition(Y, 1.0)}; }

    // Pen and brush change only between lines and points: each change costs
    // a group of its own in an SVG file.
    void use(Mode mode) const
    {
        if (m_mode == mode)
            return;
        m_mode = mode;
        if (mode == Mode::Lines) {
            m_painter.setPen(QPen(m_color, 1.0, Qt::SolidLine, Qt::SquareCap));
            m_painter.setBrush(Qt::NoBrush);
        } else {
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(m_color);
        }
    }

    QPainter &m_painter;
    QSizeF m_size;
    QColor m_color;
    mutable Mode m_mode = Mode::None;
};

// Each curve as its graph routine draws it: mapped to the canvas, then drawn
// with the pen of the color it was drawn in.
template <class Pen> void Draw(const Pen &pen, const RecordedPoint &point)
{
    Single x = point.x;
    Single y = point.y;
    WorldToCanvas(x, y);
    pen.pset(x, y);
}

template <class Pen> void Draw(const Pen &pen, const RecordedSegment &segment)
{
    Single x1 = segment.x1;
    Single y1 = segment.y1;
    Single x2 = segment.x2;
    Single y2 = segment.y2;
    WorldToCanvas(x1, y1);
    WorldToCanvas(x2, y2);
    pen.line(x1, y1, x2, y2);
}

template <class Pen> void Draw(const Pen &pen, const RecordedLinear &linear)
{
    const LinearEnds ends = LinearSegment(linear.m, linear.c);
    Draw(pen, RecordedSegment{ends.x1, ends.y1, ends.x2, ends.y2, linear.color});
}

template <class Pen> void Draw(const Pen &pen, const RecordedParabola &parabola)
{
    ForEachParabolaPass(parabola.a, parabola.b, parabola.c, parabola.passes, [&pen](Single &x, Single &y) {
        WorldToCanvas(x, y);
        pen.pset(x, y);
    });
}

template <class Target>
void Replay(const std::optional<GridColors> &grid, const std::vector<RecordedCurve> &curves, Target &target)
{
    if (grid)
        DrawGrid(target, *grid);
    for (const RecordedCurve &curve : curves) {
        std::visit(
            [&target](const auto &drawn) {
                target.setForeColor(drawn.color);
                Draw(target.pen(), drawn);
            },
            curve);
    }
}

} // namespace

void DrawingRecord::recordGrid(const GridColors &colors)
{
    m_curves.clear();
    m_grid = colors;
}

void DrawingRecord::recordCurve(const RecordedCurve &curve)
{
    m_curves.push_back(curve);
}

std::size_t DrawingRecord::memoryBytes() const
{
    return sizeof(*this) + m_curves.capacity() * sizeof(RecordedCurve);
}

void DrawingRecord::replay(GraphSurface &surface) const
{
    Replay(m_grid, m_curves, surface);
}

void DrawingRecord::paint(QPainter &painter, QSizeF logicalSize) const
{
    VectorCanvas canvas(painter, logicalSize);
    Replay(m_grid, m_curves, canvas);
}

} // namespace graph
