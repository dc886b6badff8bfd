#include "document_support.h"
#include "graph/pictures/graph_export.h"
#include "graph_script_support.h"
#include "test_support.h"

#include "graph/engine/plotters.h"
#include "graph/pictures/graph_page.h"
#include "graph/pictures/graph_shapes.h"

#include <QLocale>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace graph;
using namespace scripts;

namespace {

void DrawSample(GraphModel &drawing)
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

// Saves the drawing into the folder as graph.png, .svg or .pdf; the file's path.
QString SaveInto(const QTemporaryDir &dir, const GraphModel &drawing, ImageFormat format, int scale)
{
    QString path = dir.filePath(QStringLiteral("graph.") + SuffixOf(format));
    SaveGraph(drawing, {path, format, scale});
    return path;
}

QString WithoutMarks(QString text)
{
    text.removeIf(
        [](QChar c) { return c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Other_PrivateUse; });
    return text;
}

// The text of a PDF as pdftotext reads it, without the Thai marks above and
// below the line, which it gives as the font's private variants or drops.
QString PdfText(const QString &path)
{
    return WithoutMarks(PdfTextOf(path));
}

QByteArray PngMagic()
{
    return {"\x89PNG\r\n", 6};
}

// Rows of a table of export scales.
void AddScaleRows(std::initializer_list<int> scales)
{
    QTest::addColumn<int>("scale");
    for (const int scale : scales)
        QTest::newRow(qPrintable(QStringLiteral("%1x").arg(scale))) << scale;
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
        TestGraph drawing;
        DrawSample(drawing);
        const QTemporaryDir dir;
        const QString path = SaveInto(dir, drawing, ImageFormat::Png, scale);

        TestGraph drawnThere(scale);
        DrawSample(drawnThere);
        QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), ClientSize * scale);
        saved.setDevicePixelRatio(scale); // PNG files hold no ratio
        QCOMPARE(saved, drawnThere.surface().image());
    }

    void svgRendersWithinOnePixelOfThePng_data() { AddScaleRows({1, 2}); }
    void svgRendersWithinOnePixelOfThePng()
    {
        SKIP_UNLESS_SVG_RENDERS();
        QFETCH(int, scale);
        TestGraph drawing;
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
        for (const auto &[name, format] : {std::pair("PNG", ImageFormat::Png), std::pair("SVG", ImageFormat::Svg),
                                           std::pair("PDF", ImageFormat::Pdf)}) {
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

        TestGraph drawing;
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

    void svgIsLinesAndOnePathPerRun_data()
    {
        QTest::addColumn<GraphScript>("script");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("paths");
        QTest::addColumn<int>("maxBytes");
        // The grid's lines at canvas 7000 lie outside the picture: 70 + 70 and the two axes.
        QTest::newRow("grid") << GraphScript([](GraphModel &d) { Grid(d, Light); }) << 142 << 0 << 12 * 1024;
        QTest::newRow("grid and y = x^2") << GraphScript([](GraphModel &d) {
            Grid(d, Light);
            Parabola(d, 1, 0, 0);
        }) << 142 << 1 << 60 * 1024;
        QTest::newRow("below the grid in the middle: two runs") << GraphScript([](GraphModel &d) {
            Grid(d, Light);
            Parabola(d, 0.1f, 0, -40);
        }) << 142 << 2 << 60 * 1024;
        QTest::newRow("straight lines and a stopped parabola") << GraphScript([](GraphModel &d) {
            Grid(d, Light);
            Linear(d, 1, 10);
            Linear(d, 0, 50);     // above the grid: nothing to write
            Parabola(d, 0, 1, 0); // y = x, as points
            StoppedParabola(d);
        }) << 143 << 1 << 60 * 1024;
        QTest::newRow("100 parabolas") << GraphScript([](GraphModel &d) {
            Grid(d, Light);
            for (int i = 0; i < 100; ++i)
                Parabola(d, 0.01f * static_cast<Single>(i) - 0.5f, 0.1f * static_cast<Single>(i) - 5.0f,
                         0.3f * static_cast<Single>(i) - 15.0f);
        }) << 142 << 100 << 6 * 1024 * 1024;
    }
    void svgIsLinesAndOnePathPerRun()
    {
        QFETCH(GraphScript, script);
        QFETCH(int, lines);
        QFETCH(int, paths);
        QFETCH(int, maxBytes);
        TestGraph drawing;
        script(drawing);
        const QTemporaryDir dir;
        const QString path = SaveInto(dir, drawing, ImageFormat::Svg, 1);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QMap<QString, int> elements;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement)
                ++elements[xml.name().toString()];
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(elements.value(QStringLiteral("line")), lines);
        QCOMPARE(elements.value(QStringLiteral("path")), paths);
        QCOMPARE(elements.value(QStringLiteral("rect")), 1); // the background, once
        QVERIFY2(file.size() < maxBytes, qPrintable(QString::number(file.size())));
    }

    // Each run follows the points it stands for within the tolerance, and
    // reaches the edge where the points leave the picture.
    void runsFollowTheirPointsToTheEdge_data()
    {
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("c");
        QTest::newRow("y = x^2") << 1.0f << 0.0f << 0.0f;
        QTest::newRow("steep: y = 1000x^2 - 30") << 1000.0f << 0.0f << -30.0f;
        QTest::newRow("two runs: y = 0.1x^2 - 40") << 0.1f << 0.0f << -40.0f;
        QTest::newRow("flat: y = -0.001x^2 + 3") << -0.001f << 0.0f << 3.0f;
        QTest::newRow("narrow: y = 1e6 (x - 3)^2 - 20") << 1e6f << -6e6f << 9e6f - 20.0f;
    }
    void runsFollowTheirPointsToTheEdge()
    {
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(float, c);
        TestGraph drawing;
        Parabola(drawing, a, b, c);
        const GraphShapes shapes = ShapesOf(drawing);
        QCOMPARE(shapes.groups.size(), std::size_t(1));
        const std::vector<QPolygonF> &runs = shapes.groups.front().runs;
        QVERIFY(!runs.empty());
        const auto onEdge = [](QPointF p) {
            return qFuzzyIsNull(p.x()) || qFuzzyIsNull(p.y()) || qFuzzyCompare(p.x(), 465.0) ||
                   qFuzzyCompare(p.y(), 465.0);
        };
        // The parabola's ends at x = -50 and 50 lie outside: every run comes in and goes out.
        for (const QPolygonF &run : runs) {
            for (const QPointF end : {run.front(), run.back()})
                QVERIFY2(onEdge(end), qPrintable(QStringLiteral("run ends at (%1, %2)").arg(end.x()).arg(end.y())));
        }
        // Every visible point lies within the tolerance of its run, measured along Y.
        ForEachParabolaPass(a, b, c, [&](Single &x, Single &y) {
            WorldToCanvas(x, y);
            const QPointF p(x / 15.0, y / 15.0);
            if (p.x() < 0.0 || p.y() < 0.0 || p.x() >= 465.0 || p.y() >= 465.0)
                return;
            for (const QPolygonF &run : runs) {
                for (qsizetype i = 1; i < run.size(); ++i) {
                    const QPointF from = run[i - 1];
                    const QPointF to = run[i];
                    if (p.x() < from.x() || p.x() > to.x())
                        continue;
                    const double t = (p.x() - from.x()) / (to.x() - from.x());
                    if (std::abs(from.y() + t * (to.y() - from.y()) - p.y()) <= RunTolerance + 1e-9)
                        return;
                }
            }
            QFAIL(qPrintable(QStringLiteral("point (%1, %2) is off its run").arg(p.x()).arg(p.y())));
        });
    }

    void typedSuffixDecidesTheFormat_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("magic");
        const auto png = static_cast<int>(ImageFormat::Png);
        const auto svg = static_cast<int>(ImageFormat::Svg);
        const auto pdf = static_cast<int>(ImageFormat::Pdf);
        const QByteArray pngMagic = PngMagic();
        const QByteArray svgMagic("<?xml");
        const QByteArray pdfMagic("%PDF-");
        // clang-format off
        QTest::newRow("PNG kind, .svg typed")   << png << 1 << "graph.svg"     << "graph.svg"         << svgMagic;
        QTest::newRow("PNG 4x kind, .pdf typed") << png << 4 << "graph.pdf"    << "graph.pdf"         << pdfMagic;
        QTest::newRow("PNG kind, no suffix")    << png << 1 << "graph"         << "graph.png"         << pngMagic;
        QTest::newRow("SVG kind, .PNG typed")   << svg << 1 << "graph.PNG"     << "graph.PNG"         << pngMagic;
        QTest::newRow("SVG kind, no suffix")    << svg << 1 << "graph"         << "graph.svg"         << svgMagic;
        QTest::newRow("SVG kind, unknown .txt") << svg << 1 << "graph.txt"     << "graph.txt.svg"     << svgMagic;
        QTest::newRow("PDF kind, .Svg typed")   << pdf << 1 << "graph.Svg"     << "graph.Svg"         << svgMagic;
        QTest::newRow("PDF kind, ends in a dot") << pdf << 1 << "graph."       << "graph.pdf"         << pdfMagic;
        QTest::newRow("PDF kind, .pdf.bak")     << pdf << 1 << "graph.pdf.bak" << "graph.pdf.bak.pdf" << pdfMagic;
        QTest::newRow("PNG 2x kind, .png typed") << png << 2 << "graph.png"    << "graph.png"         << pngMagic;
        // clang-format on
    }
    void typedSuffixDecidesTheFormat()
    {
        QFETCH(int, kind);
        QFETCH(int, scale);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QByteArray, magic);
        TestGraph drawing;
        DrawSample(drawing);
        const QTemporaryDir dir;
        const SaveTarget target =
            ResolveSaveTarget(dir.filePath(typed), {QString(), static_cast<ImageFormat>(kind), scale});
        QCOMPARE(target.path, dir.filePath(written));
        SaveGraph(drawing, target);

        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList(written));
        QFile file(target.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(magic.size()), magic);
        if (magic == PngMagic()) {
            // The kind's scale applies to a PNG it selected, and only then.
            const int expected = static_cast<ImageFormat>(kind) == ImageFormat::Png ? scale : 1;
            QCOMPARE(QImage(target.path).width(), ClientSize.width() * expected);
        }
    }

    void equationsAreListedSinceTheLastClearing()
    {
        TestGraph drawing;
        Grid(drawing, Light);
        Linear(drawing, 3, 4);
        Parabola(drawing, 1, 0, 0);
        Grid(drawing, Dark);
        Linear(drawing, 2, 10);
        Point(drawing, 1, 1); // not an equation
        Parabola(drawing, 2, -3.5f, 1);
        Failing([&] { Parabola(drawing, 1e37f, 0, 0); }); // stopped before its first point: not drawn
        StoppedParabola(drawing);
        Linear(drawing, 0.1f, -1e20f);

        const std::vector<EquationLine> lines = EquationLines(drawing.record());
        QStringList texts;
        for (const EquationLine &line : lines) {
            texts << line.text;
            QCOMPARE(line.color, qRgb(255, 0, 0));
        }
        QCOMPARE(texts, QStringList({
                            QStringLiteral("y  =  2x  +  10"),
                            QStringLiteral("y  =  2x²  +  -3.5x  +  1"),
                            QStringLiteral("y  =  0x²  +  1E+35x  +  5E+36   (วาดไม่ครบ: ข้อผิดพลาดหยุดการวาดกลางทาง)"),
                            QStringLiteral("y  =  0.1x  +  -1E+20"),
                        }));
    }

    // The PDF is the printed page on A4: the graph across the width inside
    // 15 mm margins, the equations and the date under it, in order.
    void pdfIsThePrintedPage()
    {
        TestGraph drawing;
        Grid(drawing, Dark);
        Linear(drawing, 2, 10);
        Parabola(drawing, 2, -3.5f, 1);
        StoppedParabola(drawing);
        const QTemporaryDir dir;
        const QString path = SaveInto(dir, drawing, ImageFormat::Pdf, 1);

        SKIP_UNLESS_PDF_READS();
        const QString prefix = dir.filePath(QStringLiteral("page"));
        const QImage page = RenderPdfPage(path, prefix, 72);
        QCOMPARE(page.size(), QSize(595, 842)); // A4 at 72 dpi
        QVERIFY(!QFile::exists(prefix + QStringLiteral("-2.png")));
        // 15 mm is 42.5 points; the graph is 180 mm, 510.2 points, wide.
        const QRgb background = qRgb(0, 0, 60);
        for (const QPoint inside : {QPoint(45, 45), QPoint(550, 45), QPoint(45, 550), QPoint(550, 550)})
            QCOMPARE(page.pixel(inside), background);
        for (const QPoint outside : {QPoint(40, 45), QPoint(45, 40), QPoint(555, 45), QPoint(45, 555)})
            QCOMPARE(page.pixel(outside), qRgb(255, 255, 255));

        const QString words = PdfText(path).simplified();
        const QStringList expected{
            QStringLiteral("y = 2x + 10"),
            QStringLiteral("y = 2x² + -3.5x + 1"),
            QStringLiteral("y = 0x² + 1E+35x + 5E+36 (วาดไม่ครบ: ข้อผิดพลาดหยุดการวาดกลางทาง)"),
            // In the language of the interface, Thai without a translation.
            QStringLiteral("วันที่ ") + QLocale(QLocale::Thai).toString(QDate::currentDate(), QLocale::LongFormat),
        };
        qsizetype from = 0;
        for (const QString &line : expected) {
            const QString wanted = WithoutMarks(line);
            const qsizetype at = words.indexOf(wanted, from);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("\"%1\" not in order in \"%2\"").arg(wanted, words)));
            from = at + wanted.size();
        }
    }

    // The rings of the key points, and on the printed page their names, go
    // into the SVG and the PDF only while the key points are shown.
    void keyPointsGoIntoVectorPicturesOnlyWhenShown_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown") << true;
        QTest::newRow("not shown") << false;
    }
    void keyPointsGoIntoVectorPicturesOnlyWhenShown()
    {
        QFETCH(bool, shown);
        TestGraph drawing;
        Grid(drawing, Light);
        Parabola(drawing, 1, 0, -4);
        Linear(drawing, 1, 10);
        drawing.setMarkColor(QColor(0, 120, 215));
        drawing.setKeyPointsMarked(shown);
        const std::vector<KeyPoint> points = KeyPointsOf(drawing.record());
        QVERIFY(points.size() >= 5); // vertex, two roots, intercepts, crossings
        const QTemporaryDir dir;

        QFile svg(SaveInto(dir, drawing, ImageFormat::Svg, 1));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QList<QPointF> rings;
        QXmlStreamReader xml(&svg);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("circle")) {
                const QXmlStreamAttributes ring = xml.attributes();
                rings << QPointF(ring.value(QLatin1String("cx")).toDouble(),
                                 ring.value(QLatin1String("cy")).toDouble());
            }
        }
        QVERIFY(!xml.hasError());
        QCOMPARE(rings.size(), shown ? qsizetype(points.size()) : 0);
        if (shown) {
            QVERIFY(QLineF(rings.front(), LogicalPoint(points.front().at)).length() < 0.01); // written to 2 decimals
            QVERIFY(svg.seek(0));
            QVERIFY(svg.readAll().contains("stroke=\"#0078d7\""));
        }

        const QString pdf = SaveInto(dir, drawing, ImageFormat::Pdf, 1);
        SKIP_UNLESS_PDF_READS();
        const QString words = PdfText(pdf).simplified();
        for (const KeyPoint &point : points)
            QCOMPARE(words.contains(WithoutMarks(KeyPointText(point)).simplified()), shown);
        QVERIFY(words.contains(WithoutMarks(QStringLiteral("จุดยอด (0, -4)"))) == shown);
    }

    // A long session's list goes on to a second page; nothing is cut off.
    void aLongListGoesOnToAnotherPage()
    {
        TestGraph drawing;
        Grid(drawing, Light);
        for (int i = 0; i < 40; ++i)
            Linear(drawing, static_cast<Single>(i), 1);
        const QTemporaryDir dir;
        const QString path = SaveInto(dir, drawing, ImageFormat::Pdf, 1);
        SKIP_UNLESS_PDF_READS();
        const QStringList pages = PdfText(path).split(QLatin1Char('\f'));
        QCOMPARE(pages.size(), 3); // two pages and what follows the last form feed
        QVERIFY(pages[0].simplified().contains(QStringLiteral("y = 0x + 1 ")));
        QVERIFY(pages[1].simplified().contains(QStringLiteral("y = 39x + 1 ")));
        QVERIFY(pages[1].contains(WithoutMarks(QStringLiteral("วันที่"))));
    }
};

CURVISTA_GUI_TEST_MAIN(TestGraphExport)
#include "test_graph_export.moc"
