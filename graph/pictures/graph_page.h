#pragma once

#include "graph/engine/graph_model.h"

#include <QDate>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace graph {

// A line of the list of equations under a printed graph, in its curve's color.
struct EquationLine
{
    QString text;
    QRgb color;
};

// The equations drawn since the last clearing, in drawing order, written as
// the equation dialogs write the current equation; a curve an error stopped
// part-way carries a mark saying so.
std::vector<EquationLine> EquationLines(const DrawingRecord &record);

// The printed page: the graph across the printable width at the top (smaller
// only when the page is too short to leave room for a line under it), under
// it the list of equations and the date, going on to further pages as needed.
void PrintGraph(const GraphModel &drawing, QPainter &painter, QPagedPaintDevice &device, QDate date);

} // namespace graph
