#pragma once

#include <QImage>
#include <QString>

class QPainter;

// The program's pictures, drawn here rather than stored as bitmaps. Sizes are
// logical pixels: each is drawn at the device pixel ratio asked for, so that
// it is sharp on the screen it appears on.

// 32 x 32 in the 16 standard colors: graph paper with the initials "CV".
QImage ProgramIcon(qreal devicePixelRatio = 1.0);

// The icon's drawing in a 32 x 32 space, for painters of any size or kind
// (the icon files of the package are painted from it). Its letters are
// outlines, so a vector copy needs no font.
void PaintProgramIcon(QPainter &painter);

// 464 x 150: the splash banner, graph paper with the maker's and program's names.
QImage SplashBanner(qreal devicePixelRatio = 1.0);

// 100 x 23 on a transparent background: an eraser and the words of EraserWords.
QImage EraserPicture(qreal devicePixelRatio = 1.0);

// The words on the eraser picture, "ลบทั้งหมด" (delete all) in Thai: the
// clear button's name, and how the colour dialog's note refers to it.
QString EraserWords();
