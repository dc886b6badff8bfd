#include "svg_writer.h"

#include "platform/core/values.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QXmlStreamWriter>

namespace graph {

namespace {

// Hundredths of a pixel are finer than any tolerance of the shapes.
QString Number(double value)
{
    return platform::FixedText(value, 2);
}

QString Point(QPointF point)
{
    return Number(point.x()) + QLatin1Char(' ') + Number(point.y());
}

QString ColorName(QRgb color)
{
    return QColor(color).name();
}

QString PathData(const QPolygonF &run)
{
    QString data = QLatin1Char('M') + Point(run.front()) + QLatin1Char('L');
    for (qsizetype i = 1; i < run.size(); ++i) {
        if (i > 1)
            data += QLatin1Char(' ');
        data += Point(run[i]);
    }
    return data;
}

void WriteGroup(QXmlStreamWriter &xml, const ShapeGroup &group)
{
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("stroke"), ColorName(group.color));
    for (const QLineF &line : group.lines) {
        xml.writeEmptyElement(QStringLiteral("line"));
        xml.writeAttribute(QStringLiteral("x1"), Number(line.x1()));
        xml.writeAttribute(QStringLiteral("y1"), Number(line.y1()));
        xml.writeAttribute(QStringLiteral("x2"), Number(line.x2()));
        xml.writeAttribute(QStringLiteral("y2"), Number(line.y2()));
    }
    for (const QPolygonF &run : group.runs) {
        xml.writeEmptyElement(QStringLiteral("path"));
        xml.writeAttribute(QStringLiteral("d"), PathData(run));
    }
    for (const QPointF &dot : group.dots) {
        xml.writeEmptyElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("x"), Number(dot.x() - 0.5));
        xml.writeAttribute(QStringLiteral("y"), Number(dot.y() - 0.5));
        xml.writeAttribute(QStringLiteral("width"), QStringLiteral("1"));
        xml.writeAttribute(QStringLiteral("height"), QStringLiteral("1"));
        xml.writeAttribute(QStringLiteral("fill"), ColorName(group.color));
        xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
    }
    xml.writeEndElement();
}

// As a label draws them: the first line's baseline one ascent below the top.
void WriteLetters(QXmlStreamWriter &xml, const AxisLetters &letters)
{
    if (letters.letters.empty())
        return;
    const QFont &font = letters.font;
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    const double ascent = QFontMetricsF(font).ascent();
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("font-family"), font.family());
    xml.writeAttribute(QStringLiteral("font-size"), Number(pixels));
    if (font.bold())
        xml.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
    xml.writeAttribute(QStringLiteral("fill"), letters.color.name());
    for (const AxisLetter &letter : letters.letters) {
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), Number(letter.place.left()));
        xml.writeAttribute(QStringLiteral("y"), Number(letter.place.top() + ascent));
        xml.writeCharacters(letter.text);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void WriteKeyPoints(QXmlStreamWriter &xml, const GraphShapes &shapes)
{
    if (shapes.keyPoints.empty())
        return;
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), ColorName(shapes.markColor.rgb()));
    xml.writeAttribute(QStringLiteral("stroke-width"), Number(KeyPointRingWidth));
    for (const KeyPoint &point : shapes.keyPoints) {
        const QPointF at = LogicalPoint(point.at);
        xml.writeEmptyElement(QStringLiteral("circle"));
        xml.writeAttribute(QStringLiteral("cx"), Number(at.x()));
        xml.writeAttribute(QStringLiteral("cy"), Number(at.y()));
        xml.writeAttribute(QStringLiteral("r"), Number(KeyPointRingRadius));
    }
    xml.writeEndElement();
}

} // namespace

bool WriteSvg(const GraphShapes &shapes, QIODevice &device)
{
    const QString width = Number(shapes.size.width());
    const QString height = Number(shapes.size.height());
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(0);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), width);
    xml.writeAttribute(QStringLiteral("height"), height);
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(width, height));

    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), width);
    xml.writeAttribute(QStringLiteral("height"), height);
    xml.writeAttribute(QStringLiteral("fill"), ColorName(shapes.background));

    // One pixel wide, as the window draws: the painter's pen in PaintShapes.
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("square"));
    xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
    for (const ShapeGroup &group : shapes.groups)
        WriteGroup(xml, group);
    xml.writeEndElement();

    WriteLetters(xml, shapes.letters);
    WriteKeyPoints(xml, shapes);
    xml.writeEndElement();
    xml.writeEndDocument();
    return !xml.hasError();
}

} // namespace graph
