#pragma once

#include "graph/drawing.h"

#include <QImage>

#include <optional>

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

inline int CountPixels(const QImage &image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color ? 1 : 0;
    return count;
}

// A white graph surface drawing in black, created on first use like the
// graph window; counts how often it was asked for.
struct LazySurface
{
    std::optional<graph::GraphSurface> surface;
    int fetches = 0;
    graph::SurfaceSource source = [this]() -> graph::GraphSurface & {
        ++fetches;
        if (!surface) {
            surface.emplace(QSize(465, 465), 1.0, White);
            surface->setForeColor(platform::RGB(0, 0, 0));
        }
        return *surface;
    };

    [[nodiscard]] int count(QRgb color) const { return CountPixels(surface->image(), color); }
    [[nodiscard]] QRgb at(float X, float Y) const { return surface->image().pixel(surface->devicePixel(X, Y)); }
};
