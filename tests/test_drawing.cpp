#include "graph/engine/grid.h"
#include "surface_test_support.h"
#include "test_support.h"

using namespace graph;
using platform::RGB;

namespace {

const GridColors DefaultColors{
    .background = RGB(255, 255, 255), .grid = RGB(220, 220, 220), .axis = RGB(100, 100, 100), .plot = RGB(0, 0, 0)};

// A grid line every 100 twips, at twips 0, 100 and 200 of every 300: pixels
// 0, 6 and 13 of every 20.
bool IsGridPosition(int pixel)
{
    const int offset = pixel % 20;
    return offset == 0 || offset == 6 || offset == 13;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void plotPointMapsAndSets_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<float>("X");
        QTest::addColumn<float>("Y");
        QTest::addColumn<bool>("visible");
        QTest::newRow("origin") << 0.0f << 0.0f << 3500.0f << 3500.0f << true;
        QTest::newRow("top left corner") << -35.0f << 35.0f << 0.0f << 0.0f << true;
        QTest::newRow("bottom right grid corner") << 35.0f << -35.0f << 7000.0f << 7000.0f << false;
        QTest::newRow("first parabola point") << -50.0f << 2500.0f << -1500.0f << -246500.0f << false;
        // Rounded to Single when stored: 3494.9999999254... becomes 3495, pixel 233.
        QTest::newRow("rounding moves a pixel") << -0.05f << 0.05f << 3495.0f << 3495.0f << true;
    }
    void plotPointMapsAndSets()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(float, X);
        QFETCH(float, Y);
        QFETCH(bool, visible);
        WhiteGraph target;
        target.graph.plotPoint(x, y);
        QCOMPARE(x, X);
        QCOMPARE(y, Y);
        QCOMPARE(CountPixels(target.surface().image(), qRgb(0, 0, 0)), visible ? 1 : 0);
        if (visible)
            QCOMPARE(target.surface().image().pixel(target.surface().devicePixel(X, Y)), qRgb(0, 0, 0));
    }

    void worldOriginLandsWhereTheAxesCross()
    {
        WhiteGraph target;
        target.graph.drawGrid({.background = RGB(255, 255, 255),
                               .grid = RGB(255, 255, 255),
                               .axis = RGB(100, 100, 100),
                               .plot = RGB(255, 0, 0)});
        Single x = 0;
        Single y = 0;
        target.graph.plotPoint(x, y);
        const QImage &image = target.surface().image();
        QCOMPARE(image.pixel(233, 233), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(232, 233), qRgb(100, 100, 100));
        QCOMPARE(image.pixel(233, 232), qRgb(100, 100, 100));
    }

    void plotSegmentMapsBothEnds()
    {
        WhiteGraph target;
        Single x1 = 50;
        Single y1 = 60;
        Single x2 = -50;
        Single y2 = -40;
        target.graph.plotSegment(x1, y1, x2, y2);
        QCOMPARE(x1, 8500.0f);
        QCOMPARE(y1, -2500.0f);
        QCOMPARE(x2, -1500.0f);
        QCOMPARE(y2, 7500.0f);
        // y = x + 10 enters at the left edge, crosses world (0, 10) and leaves at the top.
        const QImage &image = target.surface().image();
        for (const QPointF canvas : {QPointF(0, 6000), QPointF(3500, 2500), QPointF(6000, 0)})
            QCOMPARE(image.pixel(target.surface().devicePixel(Single(canvas.x()), Single(canvas.y()))), qRgb(0, 0, 0));
    }

    void mappingOverflowLeavesEarlierCoordinatesMapped_data()
    {
        QTest::addColumn<int>("failing");
        QTest::newRow("y1") << 1;
        QTest::newRow("x2") << 2;
        QTest::newRow("y2") << 3;
    }
    void mappingOverflowLeavesEarlierCoordinatesMapped()
    {
        QFETCH(int, failing);
        Single world[4] = {1, 2, 3, 4};
        world[failing] = 4e36f;
        Single values[4] = {world[0], world[1], world[2], world[3]};
        WhiteGraph target;
        try {
            target.graph.plotSegment(values[0], values[1], values[2], values[3]);
            QFAIL("no error raised");
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.number(), 6);
        }
        const float mapped[4] = {3600, 3300, 3800, 3100};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(values[i], i < failing ? mapped[i] : world[i]);
        QVERIFY(target.untouched());
    }

    void plotPointOverflowInYKeepsXMappedAndDrawsNothing()
    {
        WhiteGraph target;
        Single x = 0;
        Single y = 4e36f;
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, target.graph.plotPoint(x, y));
        QCOMPARE(x, 3500.0f);
        QCOMPARE(y, 4e36f);
        QVERIFY(target.untouched());
    }

    void drawGridPaintsBackgroundGridAndAxes()
    {
        GraphSurface surface(QSize(465, 465), 1.0, RGB(255, 255, 255));
        surface.setForeColor(RGB(1, 2, 3));
        surface.line(0, 0, 7000, 7000); // a curve, to be wiped
        DrawGrid(surface, DefaultColors);
        const QImage &image = surface.image();
        const QRgb background = qRgb(255, 255, 255);
        const QRgb grid = qRgb(220, 220, 220);
        const QRgb axis = qRgb(100, 100, 100);
        for (int y = 0; y < 465; ++y) {
            for (int x = 0; x < 465; ++x) {
                const QRgb expected = (x == 233 || y == 233)                     ? axis
                                      : (IsGridPosition(x) || IsGridPosition(y)) ? grid
                                                                                 : background;
                if (image.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
            }
        }
        QCOMPARE(surface.foreColor(), DefaultColors.plot);
    }

    void gridInTheBackgroundColorLeavesOnlyTheAxes()
    {
        GraphSurface surface(QSize(465, 465), 1.0, RGB(0, 0, 0));
        DrawGrid(
            surface,
            {.background = RGB(10, 20, 30), .grid = RGB(10, 20, 30), .axis = RGB(200, 0, 0), .plot = RGB(0, 0, 255)});
        QCOMPARE(CountPixels(surface.image(), qRgb(200, 0, 0)), 2 * 465 - 1);
        QCOMPARE(CountPixels(surface.image(), qRgb(10, 20, 30)), 465 * 465 - (2 * 465 - 1));
        QCOMPARE(surface.foreColor(), RGB(0, 0, 255));
    }

    void drawGridKeepsLinesOneDevicePixelWideOnHighDpi()
    {
        GraphSurface surface(QSize(465, 465), 2.0, RGB(0, 0, 0));
        DrawGrid(surface, DefaultColors);
        const QImage &image = surface.image();
        QCOMPARE(image.pixel(466, 10), qRgb(100, 100, 100));
        QCOMPARE(image.pixel(465, 10), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(467, 10), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(13, 10), qRgb(220, 220, 220)); // canvas 100
        QCOMPARE(image.pixel(14, 10), qRgb(255, 255, 255));
    }
};

CURVISTA_GUI_TEST_MAIN(TestDrawing)
#include "test_drawing.moc"
