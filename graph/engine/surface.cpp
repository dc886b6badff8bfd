#include "surface.h"

#include <algorithm>
#include <cstdlib>

namespace graph {

GraphSurface::GraphSurface(QSize logicalSize, double devicePixelRatio, Color backColor)
    : m_image(logicalSize * devicePixelRatio, QImage::Format_RGB32)
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(platform::ToQRgb(backColor));
}

void GraphSurface::setBackColor(Color color)
{
    m_image.fill(platform::ToQRgb(color));
}

void GraphSurface::setForeColor(Color color)
{
    m_foreColor = color;
}

PixelPen GraphSurface::pen()
{
    // bits() detaches from any copy handed out, so the pen writes only here.
    auto *pixels = reinterpret_cast<QRgb *>(m_image.bits());
    return {pixels,
            m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)),
            m_image.width(),
            m_image.height(),
            m_image.devicePixelRatio(),
            platform::ToQRgb(m_foreColor)};
}

QPoint GraphSurface::devicePixel(Single X, Single Y) const
{
    const double dpr = m_image.devicePixelRatio();
    return {static_cast<int>(std::floor(DevicePosition(X, dpr))), static_cast<int>(std::floor(DevicePosition(Y, dpr)))};
}

namespace {

enum class Edge { None, Vertical, Horizontal };

// One end of a clipped segment: the parameter along the segment, and the
// edge it lies on with that edge's coordinate.
struct ClipEnd
{
    double t;
    Edge edge = Edge::None;
    double edgeAt = 0.0;
};

// Liang-Barsky: narrows [start, end] to where p*t <= q holds; false when empty.
bool ClipEdge(double p, double q, Edge edge, double edgeAt, ClipEnd &start, ClipEnd &end)
{
    if (p == 0.0)
        return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > end.t)
            return false;
        if (t > start.t)
            start = {t, edge, edgeAt};
    } else {
        if (t < start.t)
            return false;
        if (t < end.t)
            end = {t, edge, edgeAt};
    }
    return true;
}

} // namespace

void PixelPen::setPixel(int x, int y) const
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[static_cast<qsizetype>(y) * m_stride + x] = m_color;
}

std::optional<QLineF> ClipSegment(QPointF p1, QPointF p2, QSizeF bounds)
{
    const double x1 = p1.x();
    const double y1 = p1.y();
    const double dx = p2.x() - x1;
    const double dy = p2.y() - y1;
    const double width = bounds.width();
    const double height = bounds.height();
    ClipEnd start{0.0};
    ClipEnd end{1.0};
    if (!ClipEdge(-dx, x1, Edge::Vertical, 0.0, start, end) ||
        !ClipEdge(dx, width - x1, Edge::Vertical, width, start, end) ||
        !ClipEdge(-dy, y1, Edge::Horizontal, 0.0, start, end) ||
        !ClipEdge(dy, height - y1, Edge::Horizontal, height, start, end))
        return std::nullopt;
    // The coordinate along the edge a clipped end lies on is taken exactly:
    // formed from ends near 1e37, it would carry an error of many pixels.
    const auto clipped = [&](const ClipEnd &at, QPointF unclipped) {
        if (at.edge == Edge::None)
            return unclipped;
        return QPointF(at.edge == Edge::Vertical ? at.edgeAt : std::clamp(x1 + at.t * dx, 0.0, width),
                       at.edge == Edge::Horizontal ? at.edgeAt : std::clamp(y1 + at.t * dy, 0.0, height));
    };
    return QLineF(clipped(start, p1), clipped(end, p2));
}

void PixelPen::line(Single X1, Single Y1, Single X2, Single Y2) const
{
    Q_ASSERT(std::isfinite(X1) && std::isfinite(Y1) && std::isfinite(X2) && std::isfinite(Y2));
    // Ends inside the surface keep their exact position, so they light the
    // same pixel as a point there.
    const QPointF p1(devicePosition(X1), devicePosition(Y1));
    const QPointF p2(devicePosition(X2), devicePosition(Y2));
    if (const std::optional<QLineF> clipped = ClipSegment(p1, p2, QSizeF(m_width, m_height)))
        rasterise(clipped->p1(), clipped->p2());
}

void PixelPen::rasterise(QPointF from, QPointF to) const
{
    // Steps along the major axis one pixel at a time, sampling the exact line
    // at pixel centres, and at the ends themselves in the end pixels.
    const bool steep = std::abs(to.y() - from.y()) > std::abs(to.x() - from.x());
    const auto major = [steep](QPointF p) { return steep ? p.y() : p.x(); };
    const auto minor = [steep](QPointF p) { return steep ? p.x() : p.y(); };
    if (major(from) > major(to))
        std::swap(from, to);
    const double span = major(to) - major(from);
    const double slope = span > 0.0 ? (minor(to) - minor(from)) / span : 0.0;
    const int first = static_cast<int>(std::floor(major(from)));
    const int last = static_cast<int>(std::floor(major(to)));
    for (int m = first; m <= last; ++m) {
        const double at = m == first ? major(from) : m == last ? major(to) : m + 0.5;
        const int n = static_cast<int>(std::floor(minor(from) + (at - major(from)) * slope));
        if (steep)
            setPixel(n, m);
        else
            setPixel(m, n);
    }
}

} // namespace graph
