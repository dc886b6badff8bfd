#include "graph/engine/surface.h"
#include "surface_test_support.h"
#include "test_support.h"

using graph::GraphSurface;
using platform::RGB;
using platform::Single;

namespace {

GraphSurface BlackOnWhite(double dpr)
{
    GraphSurface surface(QSize(465, 465), dpr, platform::RGB(255, 255, 255));
    surface.setForeColor(RGB(0, 0, 0));
    return surface;
}

} // namespace

class TestSurface : public QObject
{
    Q_OBJECT

private slots:
    void imageIsKeptAtTheDevicePixelRatio()
    {
        const GraphSurface surface(QSize(465, 465), 2.0, platform::RGB(255, 255, 255));
        QCOMPARE(surface.image().size(), QSize(930, 930));
        QCOMPARE(surface.image().deviceIndependentSize(), QSizeF(465, 465));
    }

    void pointLandsOnTheDevicePixelHoldingIt_data()
    {
        QTest::addColumn<double>("dpr");
        QTest::addColumn<float>("X");
        QTest::addColumn<float>("Y");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("origin") << 1.0 << 0.0f << 0.0f << QPoint(0, 0);
        QTest::newRow("axes crossing") << 1.0 << 3500.0f << 3500.0f << QPoint(233, 233);
        QTest::newRow("last twip of a pixel") << 1.0 << 3494.99f << 14.99f << QPoint(232, 0);
        QTest::newRow("first twip of a pixel") << 1.0 << 3495.0f << 15.0f << QPoint(233, 1);
        QTest::newRow("last visible") << 1.0 << 6974.9f << 6974.9f << QPoint(464, 464);
        QTest::newRow("axes crossing, dpr 2") << 2.0 << 3500.0f << 3500.0f << QPoint(466, 466);
        QTest::newRow("axes crossing, dpr 1.5") << 1.5 << 3500.0f << 3500.0f << QPoint(350, 350);
    }
    void pointLandsOnTheDevicePixelHoldingIt()
    {
        QFETCH(double, dpr);
        QFETCH(float, X);
        QFETCH(float, Y);
        QFETCH(QPoint, pixel);
        GraphSurface surface = BlackOnWhite(dpr);
        surface.pset(X, Y);
        QCOMPARE(surface.devicePixel(X, Y), pixel);
        QCOMPARE(surface.image().pixel(pixel), Black);
        QCOMPARE(CountPixels(surface.image(), Black), 1);
    }

    void pointsOutsideAreClipped_data()
    {
        QTest::addColumn<float>("X");
        QTest::addColumn<float>("Y");
        QTest::newRow("right edge of the grid") << 6975.0f << 100.0f;
        QTest::newRow("grid corner") << 7000.0f << 7000.0f;
        QTest::newRow("just left") << -0.01f << 100.0f;
        QTest::newRow("far above") << 100.0f << -246500.0f;
        QTest::newRow("largest Single") << 3.4e38f << -3.4e38f;
    }
    void pointsOutsideAreClipped()
    {
        QFETCH(float, X);
        QFETCH(float, Y);
        GraphSurface surface = BlackOnWhite(1.0);
        surface.pset(X, Y);
        QCOMPARE(CountPixels(surface.image(), Black), 0);
    }

    // The same canvas coordinate lights the same pixel as a point and as the
    // end of a line, at every device pixel ratio.
    void lineEndsAndPointsShareOnePixelRule_data()
    {
        QTest::addColumn<double>("dpr");
        QTest::addColumn<float>("X1");
        QTest::addColumn<float>("Y1");
        QTest::addColumn<float>("X2");
        QTest::addColumn<float>("Y2");
        QTest::newRow("diagonal") << 1.0 << 1000.5f << 2000.25f << 4321.0f << 3210.0f;
        QTest::newRow("steep") << 1.0 << 3494.99f << 100.0f << 3510.0f << 6900.0f;
        QTest::newRow("diagonal, dpr 2") << 2.0 << 1000.5f << 2000.25f << 4321.0f << 3210.0f;
        QTest::newRow("end on a pixel boundary, far start") << 1.0 << 8500.0f << 100.0f << 3495.0f << 3000.0f;
        QTest::newRow("horizontal, dpr 1.25") << 1.25 << 10.0f << 3500.0f << 6000.0f << 3500.0f;
    }
    void lineEndsAndPointsShareOnePixelRule()
    {
        QFETCH(double, dpr);
        QFETCH(float, X1);
        QFETCH(float, Y1);
        QFETCH(float, X2);
        QFETCH(float, Y2);
        GraphSurface surface = BlackOnWhite(dpr);
        surface.line(X1, Y1, X2, Y2);
        for (const QPoint end : {surface.devicePixel(X1, Y1), surface.devicePixel(X2, Y2)}) {
            if (surface.image().rect().contains(end))
                QCOMPARE(surface.image().pixel(end), Black);
        }
    }

    void lineIsOneDevicePixelWideAndConnected()
    {
        GraphSurface surface = BlackOnWhite(2.0);
        surface.line(0, 3500, 7000, 3500);
        const int row = surface.devicePixel(0, 3500).y();
        QCOMPARE(CountPixels(surface.image(), Black), surface.image().width());
        for (int x = 0; x < surface.image().width(); ++x)
            QCOMPARE(surface.image().pixel(x, row), Black);
    }

    void lineFarOutsideIsClippedToTheSurface()
    {
        GraphSurface surface = BlackOnWhite(1.0);
        // Both ends far outside; in pixels the line is x + y = 466.67.
        surface.line(8500, -1500, -1500, 8500);
        QCOMPARE(surface.image().pixel(2, 464), Black);
        QCOMPARE(surface.image().pixel(464, 2), Black);
        QCOMPARE(surface.image().pixel(233, 233), Black);
    }

    // A steep line of the linear plotter: ends near the Single limits, small X.
    void steepLineWithHugeEndsIsOneColumn()
    {
        GraphSurface surface = BlackOnWhite(1.0);
        surface.line(8500, -5e37f, -1500, 5e37f);
        QCOMPARE(CountPixels(surface.image(), Black), 465);
        for (int y = 0; y < 465; ++y)
            QCOMPARE(surface.image().pixel(233, y), Black);
    }

    void lineEntirelyOutsideDrawsNothing()
    {
        GraphSurface surface = BlackOnWhite(1.0);
        surface.line(-3e38f, -3e38f, -2e38f, -3e38f);
        surface.line(7000, 0, 7000, 7000);
        QCOMPARE(CountPixels(surface.image(), Black), 0);
    }

    void backColorErasesEverything()
    {
        GraphSurface surface = BlackOnWhite(1.0);
        surface.line(0, 0, 7000, 7000);
        surface.setBackColor(RGB(10, 20, 30));
        QCOMPARE(CountPixels(surface.image(), qRgb(10, 20, 30)), 465 * 465);
        QCOMPARE(surface.foreColor(), RGB(0, 0, 0));
    }

    void copiesOfTheImageAreNotDrawnOn()
    {
        GraphSurface surface = BlackOnWhite(1.0);
        const QImage before = surface.image();
        surface.pset(3500, 3500);
        QCOMPARE(CountPixels(before, Black), 0);
        QCOMPARE(CountPixels(surface.image(), Black), 1);
    }
};

CURVISTA_GUI_TEST_MAIN(TestSurface)
#include "test_surface.moc"
