#include "axis_letters.h"

#include <QPainter>

namespace graph {

void PaintAxisLetters(QPainter &painter, const AxisLetters &letters)
{
    painter.save();
    painter.setFont(letters.font);
    painter.setPen(letters.color);
    for (const AxisLetter &letter : letters.letters)
        painter.drawText(letter.place, Qt::AlignLeft | Qt::AlignTop, letter.text);
    painter.restore();
}

QImage WithAxisLetters(QImage image, const AxisLetters &letters)
{
    QPainter painter(&image);
    PaintAxisLetters(painter, letters);
    painter.end();
    return image;
}

} // namespace graph
