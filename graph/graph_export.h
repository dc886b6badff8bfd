#pragma once

#include "graph/graph_drawing.h"

#include <QString>

class QPainter;

namespace graph {

enum class ImageFormat { Png, Svg };

// A file the graph is saved to: PNG at a multiple of the window's logical
// size, or SVG.
struct SaveTarget
{
    QString path;
    ImageFormat format = ImageFormat::Png;
    int scale = 1; // PNG only: 1, 2 or 4
};

// Writes the whole file or, failing, raises a runtime error that names the
// file and the reason; an existing file is replaced only by a complete one.
void SaveGraph(const GraphDrawing &drawing, const SaveTarget &target);

// Paints the drawing as large as fits, centred, into a page's painter.
void PaintOnPage(const GraphDrawing &drawing, QPainter &painter, QRectF page);

} // namespace graph
