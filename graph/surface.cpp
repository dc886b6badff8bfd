#include "surface.h"

#include <algorithm>
#include <cstdlib>

namespace graph {

GraphSurface::GraphSurface(QSize logicalSize, double devicePixelRatio, QRgb backColour)
    : m_image(logicalSize * devicePixelRatio, QImage::Format_RGB32)
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(backColour);
}

void GraphSurface::setBackColor(Colour colour) { m_image.fill(platform::ToQRgb(colour)); }

void GraphSurface::setForeColor(Colour colour) { m_foreColor = colour; }

PixelPen GraphSurface::pen()
{
    // bits() detaches from any copy handed out, so the pen writes only here.
    auto *pixels = reinterpret_cast<QRgb *>(m_image.bits());
    return {pixels, m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)), m_image.width(),
            m_image.height(), m_image.devicePixelRatio(), platform::ToQRgb(m_foreColor)};
}

QPoint GraphSurface::devicePixel(Single X, Single Y) const
{
    const double scale = m_image.devicePixelRatio() / TwipsPerPixel;
    return {static_cast<int>(std::floor(static_cast<double>(X) * scale)),
            static_cast<int>(std::floor(static_cast<double>(Y) * scale))};
}

namespace {

// Liang-Barsky: narrows [t0, t1] to where p*t <= q holds; false when empty.
bool ClipEdge(double p, double q, double &t0, double &t1)
{
    if (p == 0.0)
        return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > t1)
            return false;
        t0 = std::max(t0, t);
    } else {
        if (t < t0)
            return false;
        t1 = std::min(t1, t);
    }
    return true;
}

} // namespace

void PixelPen::setPixel(int x, int y) const
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[static_cast<qsizetype>(y) * m_stride + x] = m_colour;
}

void PixelPen::line(Single X1, Single Y1, Single X2, Single Y2) const
{
    // Clipped in floating point first: canvas coordinates may lie far beyond
    // any integer range. Ends inside the surface keep their exact position,
    // so they light the same pixel as a point there.
    const double x1 = devicePosition(X1);
    const double y1 = devicePosition(Y1);
    const double dx = devicePosition(X2) - x1;
    const double dy = devicePosition(Y2) - y1;
    double t0 = 0.0;
    double t1 = 1.0;
    if (!ClipEdge(-dx, x1, t0, t1) || !ClipEdge(dx, m_width - x1, t0, t1) || !ClipEdge(-dy, y1, t0, t1) ||
        !ClipEdge(dy, m_height - y1, t0, t1))
        return;
    const auto pixel = [](double v, int size) { return std::clamp(static_cast<int>(std::floor(v)), -1, size); };
    int x = pixel(x1 + t0 * dx, m_width);
    int y = pixel(y1 + t0 * dy, m_height);
    const int xEnd = pixel(x1 + t1 * dx, m_width);
    const int yEnd = pixel(y1 + t1 * dy, m_height);

    // Bresenham over the clipped ends, both ends included.
    const int stepX = x < xEnd ? 1 : -1;
    const int stepY = y < yEnd ? 1 : -1;
    const int spanX = std::abs(xEnd - x);
    const int spanY = -std::abs(yEnd - y);
    int error = spanX + spanY;
    for (;;) {
        setPixel(x, y);
        if (x == xEnd && y == yEnd)
            break;
        const int doubled = 2 * error;
        if (doubled >= spanY) {
            error += spanY;
            x += stepX;
        }
        if (doubled <= spanX) {
            error += spanX;
            y += stepY;
        }
    }
}

} // namespace graph
