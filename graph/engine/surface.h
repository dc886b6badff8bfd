#pragma once

#include "platform/core/twips.h"
#include "platform/core/values.h"

#include <QImage>
#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QSize>

#include <cmath>
#include <cstdint>
#include <optional>

namespace graph {

using platform::Color;
using platform::Single;

// The position, in device pixels, of a canvas coordinate; its floor is the
// pixel holding it. The one rule for points, lines and anyone locating them.
inline double DevicePosition(Single canvas, double devicePixelRatio)
{
    return static_cast<double>(canvas) * devicePixelRatio / platform::TwipsPerPixel;
}

// The part of the segment p1-p2 inside [0, width] x [0, height], or nothing.
// Clipped in floating point: ends may lie far beyond any integer range. Ends
// inside keep their exact position.
std::optional<QLineF> ClipSegment(QPointF p1, QPointF p2, QSizeF bounds);

// Writes pixels straight into a surface's image: one pointer fetched per
// drawing call, not per point. Valid while its surface is not resized,
// refilled or destroyed.
class PixelPen
{
public:
    PixelPen() = default;
    PixelPen(QRgb *pixels, qsizetype stride, int width, int height, double devicePixelRatio, QRgb color)
        : m_pixels(pixels), m_stride(stride), m_width(width), m_height(height), m_dpr(devicePixelRatio), m_color(color)
    {}

    [[nodiscard]] double devicePosition(Single canvas) const { return DevicePosition(canvas, m_dpr); }

    // Where a canvas point's pixel lies in the image's memory; -1 outside.
    [[nodiscard]] qsizetype pixelIndex(Single X, Single Y) const
    {
        // The mapping's checks let no infinity or NaN reach the surface.
        Q_ASSERT(std::isfinite(X) && std::isfinite(Y));
        const double px = devicePosition(X);
        const double py = devicePosition(Y);
        // Within these bounds truncation is the floor, without a call to floor().
        if (px >= 0.0 && py >= 0.0 && px < m_width && py < m_height)
            return static_cast<qsizetype>(py) * m_stride + static_cast<qsizetype>(px);
        return -1;
    }

    void pset(Single X, Single Y) const
    {
        if (const qsizetype index = pixelIndex(X, Y); index >= 0)
            m_pixels[index] = m_color;
    }

    void line(Single X1, Single Y1, Single X2, Single Y2) const;

private:
    void rasterise(QPointF from, QPointF to) const; // both within the surface
    void setPixel(int x, int y) const;

    QRgb *m_pixels = nullptr;
    qsizetype m_stride = 0; // in pixels
    int m_width = 0;
    int m_height = 0;
    double m_dpr = 1.0;
    QRgb m_color = 0;
};

// The graph's persistent drawing: the client area as an image at the screen's
// device pixel ratio, so that one pixel wide lines stay crisp.
class GraphSurface
{
public:
    GraphSurface(QSize logicalSize, double devicePixelRatio, Color backColor);

    void setBackColor(Color color); // erases everything drawn
    void setForeColor(Color color);
    [[nodiscard]] Color foreColor() const { return m_foreColor; }

    void pset(Single X, Single Y) { pen().pset(X, Y); }
    void line(Single X1, Single Y1, Single X2, Single Y2) { pen().line(X1, Y1, X2, Y2); }
    [[nodiscard]] PixelPen pen();

    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] double devicePixelRatio() const { return m_image.devicePixelRatio(); }
    // The device pixel a canvas point lands on.
    [[nodiscard]] QPoint devicePixel(Single X, Single Y) const;

private:
    QImage m_image;
    Color m_foreColor{};
};

} // namespace graph
