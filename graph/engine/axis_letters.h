#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace graph {

// The graph window's axis letters as its labels show them: each caption at
// its label's place in logical pixels, all in the labels' font and color.
struct AxisLetter
{
    QString text;
    QRectF place;
};

struct AxisLetters
{
    QFont font;
    QColor color;
    std::vector<AxisLetter> letters;
};

// Draws them as a label draws its caption: at the top left of its place.
void PaintAxisLetters(QPainter &painter, const AxisLetters &letters);

// A copy of the image, at its device pixel ratio, with the letters over it.
QImage WithAxisLetters(QImage image, const AxisLetters &letters);

} // namespace graph
