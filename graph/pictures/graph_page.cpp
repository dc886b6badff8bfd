#include "graph_page.h"

#include "graph/engine/plotters.h"
#include "graph_shapes.h"

#include "graph/engine/equation_text.h"
#include "platform/core/fonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace graph {

namespace {

class GraphPage
{
    Q_DECLARE_TR_FUNCTIONS(GraphPage)

public:
    static QString Equation(const RecordedLinear &linear)
    {
        using platform::SingleToText;
        return EquationText({{SingleToText(linear.m), QStringLiteral("x")}, {SingleToText(linear.c), {}}});
    }

    static QString Equation(const RecordedParabola &parabola)
    {
        using platform::SingleToText;
        QString text = EquationText({{SingleToText(parabola.a), QStringLiteral("x²")},
                                     {SingleToText(parabola.b), QStringLiteral("x")},
                                     {SingleToText(parabola.c), {}}});
        if (parabola.passes < ParabolaPasses)
            //: After a parabola in the printed list whose drawing an error stopped.
            text += QStringLiteral("   ") + tr("(วาดไม่ครบ: ข้อผิดพลาดหยุดการวาดกลางทาง)");
        return text;
    }

    static QString DateLine(QDate date)
    {
        //: The locale the date under the printed graph is written in: this translation's language and country.
        const QLocale language(tr("th_TH"));
        //: Under the printed graph; %1 is the date.
        return tr("วันที่ %1").arg(language.toString(date, QLocale::LongFormat));
    }
};

// The page's unit is the pixel of a screen at 100 %, so that the designs'
// pixel-sized fonts print at their size in points.
constexpr double PageDotsPerInch = 96.0;
constexpr double ListPoints = 12.0;

} // namespace

std::vector<EquationLine> EquationLines(const DrawingRecord &record)
{
    std::vector<EquationLine> lines;
    for (const RecordedCurve &curve : record.curves()) {
        if (const auto *linear = std::get_if<RecordedLinear>(&curve))
            lines.push_back({GraphPage::Equation(*linear), platform::ToQRgb(linear->color)});
        else if (const auto *parabola = std::get_if<RecordedParabola>(&curve))
            lines.push_back({GraphPage::Equation(*parabola), platform::ToQRgb(parabola->color)});
    }
    return lines;
}

void PrintGraph(const GraphModel &drawing, QPainter &painter, QPagedPaintDevice &device, QDate date)
{
    const double scale = device.logicalDpiY() / PageDotsPerInch;
    const QSizeF area = device.pageLayout().paintRectPixels(device.logicalDpiY()).size() / scale;
    const QFont font = platform::DesignFont({.points = ListPoints});
    const double lineHeight = QFontMetricsF(font).lineSpacing();

    // The first line under the graph stays on its page.
    const double side = std::min(area.width(), area.height() - 2.0 * lineHeight);
    const double left = (area.width() - side) / 2.0;
    const GraphShapes shapes = ShapesOf(drawing);
    painter.save();
    painter.scale(scale, scale);
    painter.save();
    painter.translate(left, 0.0);
    painter.scale(side / shapes.size.width(), side / shapes.size.height());
    PaintShapes(painter, shapes);
    painter.restore();

    std::vector<EquationLine> lines = EquationLines(drawing.record());
    // The key points ringed on the graph, named in the ring's colour.
    std::transform(shapes.keyPoints.begin(), shapes.keyPoints.end(), std::back_inserter(lines),
                   [&shapes](const KeyPoint &point) {
                       return EquationLine{KeyPointText(point), shapes.markColor.rgb()};
                   });
    lines.push_back({GraphPage::DateLine(date), qRgb(0, 0, 0)});
    painter.setFont(font);
    double top = side + lineHeight;
    for (const EquationLine &line : lines) {
        if (top + lineHeight > area.height()) {
            device.newPage();
            top = 0.0;
        }
        painter.setPen(QColor(line.color));
        painter.drawText(QRectF(left, top, area.width() - left, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         line.text);
        top += lineHeight;
    }
    painter.restore();
}

} // namespace graph
