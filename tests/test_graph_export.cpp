#include "graph/graph_export.h"
#include "graph_script_support.h"
#include "test_support.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

using namespace graph;
using namespace scripts;

namespace {

void DrawSample(GraphDrawing &drawing)
{
    Grid(drawing, Light);
    Linear(drawing, 1, 10);
    Parabola(drawing, 1, 0, 0);
    Parabola(drawing, -0.2f, 1, 20);
    StoppedParabola(drawing);
}

// Pixels that are not background: anything drawn, and what is dark (axes, curves).
bool AnyInk(QRgb pixel)
{
    return qGray(pixel) < 250;
}
bool DarkInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// Where `from` has a pixel of the class, `to` has one within one pixel; the
// first that has none, or nothing.
std::optional<QPoint> MissingNeighbour(const QImage &from, const QImage &to, bool (*inClass)(QRgb))
{
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            if (!inClass(from.pixel(x, y)))
                continue;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = to.valid(x + dx, y + dy) && inClass(to.pixel(x + dx, y + dy));
            if (!found)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

// Saves the drawing into the folder as graph.png or graph.svg; the file's path.
QString SaveInto(const QTemporaryDir &dir, const GraphDrawing &drawing, ImageFormat format, int scale)
{
    QString path = dir.filePath(format == ImageFormat::Png ? QStringLiteral("graph.png") : QStringLiteral("graph.svg"));
    SaveGraph(drawing, {path, format, scale});
    return path;
}

// Rows of a table of export scales.
void AddScaleRows(std::initializer_list<int> scales)
{
    QTest::addColumn<int>("scale");
    for (const int scale : scales)
        QTest::newRow(qPrintable(QStringLiteral("%1x").arg(scale))) << scale;
}

QImage SvgRendering(const QString &path, QSize size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

class TestGraphExport : public QObject
{
    Q_OBJECT

private slots:
    void pngHasTheRenderingAtItsScale_data() { AddScaleRows({1, 2, 4}); }
    void pngHasTheRenderingAtItsScale()
    {
        QFETCH(int, scale);
        GraphDrawing drawing(ClientSize, 1.0, DesignBack);
        DrawSample(drawing);
        const QTemporaryDir dir;
        const QString path = SaveInto(dir, drawing, ImageFormat::Png, scale);

        GraphDrawing drawnThere(ClientSize, scale, DesignBack);
        DrawSample(drawnThere);
        QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), ClientSize * scale);
        saved.setDevicePixelRatio(scale); // PNG files hold no ratio
        QCOMPARE(saved, drawnThere.surface().image());
    }

    void svgRendersWithinOnePixelOfThePng_data() { AddScaleRows({1, 2}); }
    void svgRendersWithinOnePixelOfThePng()
    {
        QFETCH(int, scale);
        GraphDrawing drawing(ClientSize, 1.0, DesignBack);
        DrawSample(drawing);
        const QTemporaryDir dir;
        const QString path = SaveInto(dir, drawing, ImageFormat::Svg, 1);

        const QImage svg = SvgRendering(path, ClientSize * scale);
        QVERIFY(!svg.isNull());
        const QImage png = drawing.rendered(scale);
        for (const auto inClass : {&AnyInk, &DarkInk}) {
            if (const auto missing = MissingNeighbour(png, svg, inClass))
                QFAIL(qPrintable(QStringLiteral("SVG lacks PNG pixel (%1, %2)").arg(missing->x()).arg(missing->y())));
            if (const auto missing = MissingNeighbour(svg, png, inClass))
                QFAIL(qPrintable(QStringLiteral("SVG adds pixel (%1, %2)").arg(missing->x()).arg(missing->y())));
        }
    }

    void failingSaveRaisesAndChangesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        // Paths that even root cannot write.
        for (const auto &[name, format] : {std::pair("PNG", ImageFormat::Png), std::pair("SVG", ImageFormat::Svg)}) {
            // clang-format off
            QTest::newRow(qPrintable(QStringLiteral("%1 under a plain file").arg(name))) << QStringLiteral("FILE/graph")           << static_cast<int>(format);
            QTest::newRow(qPrintable(QStringLiteral("%1 in /proc").arg(name)))           << QStringLiteral("/proc/curvista-graph") << static_cast<int>(format);
            // clang-format on
        }
    }
    void failingSaveRaisesAndChangesNothing()
    {
        QFETCH(QString, path);
        QFETCH(int, format);
        const QTemporaryDir dir;
        path.replace(QStringLiteral("FILE"), PlainFileIn(dir));

        GraphDrawing drawing(ClientSize, 1.0, DesignBack);
        DrawSample(drawing);
        const QImage before = drawing.surface().image().copy();
        const std::size_t curves = drawing.record().curves().size();
        try {
            SaveGraph(drawing, {path, static_cast<ImageFormat>(format), 2});
            QFAIL("no error raised");
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.code(), platform::ErrorCode::PathFileAccessError);
            QVERIFY(error.message().contains(path));
        }
        QCOMPARE(drawing.surface().image(), before);
        QCOMPARE(drawing.record().curves().size(), curves);
        QVERIFY(!QFile::exists(path));
    }

    void pageHoldsTheGraphCentredAndAsLargeAsFits_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QRect>("graph");
        QTest::newRow("portrait") << QSize(930, 1400) << QRect(0, 235, 930, 930);
        QTest::newRow("landscape") << QSize(1400, 465) << QRect(467, 0, 465, 465);
    }
    void pageHoldsTheGraphCentredAndAsLargeAsFits()
    {
        QFETCH(QSize, page);
        QFETCH(QRect, graph);
        GraphDrawing drawing(ClientSize, 1.0, DesignBack);
        Grid(drawing, Dark);
        QImage image(page, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintOnPage(drawing, painter, QRectF(QPointF(), QSizeF(page)));
        painter.end();
        const QRgb background = qRgb(0, 0, 60);
        QCOMPARE(image.pixel(graph.topLeft() + QPoint(2, 2)), background);
        QCOMPARE(image.pixel(graph.bottomRight() - QPoint(2, 2)), background);
        QCOMPARE(image.pixel(graph.topLeft() - QPoint(2, 2) + (graph.left() ? QPoint(0, 4) : QPoint(4, 0))),
                 qRgb(255, 255, 255));
    }
};

CURVISTA_GUI_TEST_MAIN(TestGraphExport)
#include "test_graph_export.moc"
