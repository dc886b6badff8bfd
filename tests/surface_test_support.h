#pragma once

#include "graph/engine/graph_model.h"
#include "test_support.h"

#include <QImage>

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

// A white graph drawing in black, as a fresh graph window does.
struct WhiteGraph
{
    graph::GraphModel graph{QSize(465, 465), platform::RGB(255, 255, 255)};

    [[nodiscard]] const graph::GraphSurface &surface() const { return graph.surface(); }
    [[nodiscard]] int count(QRgb color) const { return CountPixels(surface().image(), color); }
    [[nodiscard]] QRgb at(float X, float Y) const { return surface().image().pixel(surface().devicePixel(X, Y)); }
    // Nothing recorded, and not a pixel drawn.
    [[nodiscard]] bool untouched() const { return graph.record().empty() && count(White) == 465 * 465; }
    // Curves drawn from now on come out in that color; nothing shows of the grid.
    void drawIn(platform::Color color)
    {
        const platform::Color white = platform::RGB(255, 255, 255);
        graph.drawGrid({.background = white, .grid = white, .axis = white, .plot = color});
    }
};
