#pragma once

#include "graph/engine/graph_model.h"

#include <QString>

namespace graph {

enum class ImageFormat { Png, Svg, Pdf };

// A file the graph is saved to: PNG at a multiple of the window's logical
// size, SVG, or PDF (the printed page on A4).
struct SaveTarget
{
    QString path;
    ImageFormat format = ImageFormat::Png;
    int scale = 1; // PNG only: 1, 2 or 4
};

// The suffix files of the format carry, without the dot.
QString SuffixOf(ImageFormat format);

// The file a name typed in the save dialog is saved as: a suffix the program
// knows (in any case) decides the format; any other name gets the selected
// kind's suffix appended. The selected kind's scale applies to PNG.
SaveTarget ResolveSaveTarget(const QString &typedPath, const SaveTarget &selected);

// Writes the whole file or, failing, raises a runtime error that names the
// file and the reason; an existing file is replaced only by a complete one.
void SaveGraph(const GraphModel &drawing, const SaveTarget &target);

} // namespace graph
