#pragma once

#include "graph/drawing.h"
#include "test_support.h"

#include <QImage>

#include <optional>

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

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
