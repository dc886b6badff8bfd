#include "pictures.h"

#include "platform/core/fonts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

// The classic 16-color palette the icon is limited to.
const QList<QRgb> SixteenColors = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

void DrawGraphPaper(QPainter &painter, QRect area, int spacing, QColor grid, QColor axes, QPoint origin)
{
    painter.fillRect(area, Qt::white);
    painter.setPen(grid);
    for (int x = area.left() + origin.x() % spacing; x <= area.right(); x += spacing)
        painter.drawLine(x, area.top(), x, area.bottom());
    for (int y = area.top() + origin.y() % spacing; y <= area.bottom(); y += spacing)
        painter.drawLine(area.left(), y, area.right(), y);
    painter.setPen(axes);
    painter.drawLine(area.left(), origin.y(), area.right(), origin.y());
    painter.drawLine(origin.x(), area.top(), origin.x(), area.bottom());
}

// An image of a logical size at a device pixel ratio; painters on it draw in
// logical pixels.
QImage PictureCanvas(QSize logicalSize, qreal devicePixelRatio, QImage::Format format)
{
    QImage image((QSizeF(logicalSize) * devicePixelRatio).toSize(), format);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QFont LatinFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

void PaintProgramIcon(QPainter &painter)
{
    const QRect area(0, 0, 32, 32);
    DrawGraphPaper(painter, area, 4, QColor(SixteenColors[10]), QColor(SixteenColors[2]), {15, 16});
    painter.setPen(QColor(SixteenColors[9]));
    painter.drawLine(2, 29, 29, 2);
    painter.drawLine(2, 2, 29, 29);
    const QFont font = LatinFont(14, true);
    const QFontMetricsF metrics(font);
    const QString initials = QStringLiteral("CV");
    QPainterPath letters;
    letters.addText((area.width() - metrics.horizontalAdvance(initials)) / 2,
                    (area.height() - metrics.height()) / 2 + metrics.ascent(), font, initials);
    painter.fillPath(letters, QColor(SixteenColors[0]));
}

QImage ProgramIcon(qreal devicePixelRatio)
{
    const QRect area(0, 0, 32, 32);
    QImage canvas = PictureCanvas(area.size(), devicePixelRatio, QImage::Format_RGB32);
    QPainter painter(&canvas);
    PaintProgramIcon(painter);
    painter.end();
    return canvas.convertToFormat(QImage::Format_Indexed8, SixteenColors, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage SplashBanner(qreal devicePixelRatio)
{
    const QRect area(0, 0, 464, 150);
    QImage banner = PictureCanvas(area.size(), devicePixelRatio, QImage::Format_RGB32);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPoint origin(232, 75);
    DrawGraphPaper(painter, area, 10, QColor(190, 230, 190), QColor(40, 40, 40), origin);

    painter.setPen(QPen(QColor(220, 0, 0), 2));
    painter.drawLine(QPoint(40, 145), QPoint(424, 5));
    painter.drawLine(QPoint(40, 5), QPoint(424, 145));

    painter.setPen(QColor(40, 40, 40));
    painter.setFont(LatinFont(12, true));
    painter.drawText(QRect(4, 58, 30, 16), Qt::AlignLeft, QStringLiteral("Y'"));
    painter.drawText(QRect(430, 58, 30, 16), Qt::AlignRight, QStringLiteral("Y"));
    painter.drawText(QRect(8, 6, 200, 18), Qt::AlignLeft, QStringLiteral("Brisvane"));

    QPainterPath title;
    QFont titleFont = LatinFont(52, true);
    title.addText(0, 0, titleFont, QStringLiteral("Curvista 1.0"));
    const QRectF bounds = title.boundingRect();
    title.translate(QPointF(232, 75) - bounds.center() + QPointF(0, 8));
    painter.setPen(QPen(QColor(0, 70, 0), 2.5));
    painter.setBrush(Qt::white);
    painter.drawPath(title);
    painter.end();
    return banner;
}

QImage EraserPicture(qreal devicePixelRatio)
{
    QImage picture = PictureCanvas(QSize(100, 23), devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QPolygonF eraser({{3, 16}, {13, 4}, {26, 4}, {16, 16}});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(236, 120, 140));
    painter.drawPolygon(eraser);
    painter.setBrush(QColor(70, 110, 200));
    painter.drawPolygon(QPolygonF({{3, 16}, {8, 10}, {21, 10}, {16, 16}}));
    painter.drawRect(QRectF(3, 16, 13, 3));

    painter.setFont(platform::DesignFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(30, 0, 70, 23), Qt::AlignLeft | Qt::AlignVCenter, EraserWords());
    painter.end();
    return picture;
}

QString EraserWords()
{
    //: The words on the control panel's clear button, a picture, beside an
    //: eraser: one line of at most 70 pixels. The button's name too.
    return QCoreApplication::translate("frmControl", "ลบทั้งหมด");
}
