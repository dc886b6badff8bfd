#include "app_test_support.h"

#include <QLabel>

#include <algorithm>

using namespace platform;
using graph_mdl::Single;

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

class TestGraphWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgram(); }
    void cleanup() { ResetProgram(); }

    // The texts the user reads and where: the axis letters just beside the
    // ends of the axes (pixel 233), the address filling the bottom-right
    // corner of the 465-pixel client area. Lines pass underneath the labels:
    // the grid (lines every 6 2/3 pixels) shows around the strokes of the
    // axis letters, while the address covers it with its own background.
    void labels_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("gridShowsThrough");
        // clang-format off
        QTest::newRow("X: top, left of the vertical axis")       << "X"                    << QRect(216, 0, 9, 17)     << true  << true;
        QTest::newRow("X': bottom, left of the vertical axis")   << "X'"                   << QRect(216, 448, 17, 17)  << true  << true;
        QTest::newRow("Y': left, above the horizontal axis")     << "Y'"                   << QRect(8, 216, 17, 17)    << true  << true;
        QTest::newRow("Y: right, above the horizontal axis")     << "Y"                    << QRect(448, 216, 9, 17)   << true  << true;
        QTest::newRow("the address in the bottom-right corner")  << "www.curvista.example" << QRect(352, 448, 113, 17) << false << false;
        // clang-format on
    }
    void labels()
    {
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(bool, bold);
        QFETCH(bool, gridShowsThrough);
        graph_mdl::BackgroundColor = RGB(255, 255, 255);
        graph_mdl::GridColor = RGB(0, 200, 0);
        graph_mdl::AxisColor = RGB(0, 0, 255);
        graph_mdl::DrawGrid();
        frmGraph &graph = Instance<frmGraph>();
        graph.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));

        const QList<QLabel *> shown = graph.client()->findChildren<QLabel *>();
        const auto label =
            std::find_if(shown.begin(), shown.end(), [&](const QLabel *l) { return l->text() == caption; });
        QVERIFY(label != shown.end());
        QCOMPARE((*label)->geometry(), place);
        QCOMPARE((*label)->font().bold(), bold);
        if (bold)
            QCOMPARE((*label)->font().pixelSize(), 13); // 9.75 points at 96 dots per inch

        const QImage image = graph.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int grid = CountPixels(image.copy(place), qRgb(0, 200, 0));
        QVERIFY2((grid > 0) == gridShowsThrough, qPrintable(QString::number(grid)));
        QCOMPARE(image.pixel(360, 447), qRgb(0, 200, 0)); // a grid line reaches the address
    }

    void surfaceFollowsTheScreensDevicePixelRatio()
    {
        frmGraph &graph = Instance<frmGraph>();
        QCOMPARE(graph.surface().devicePixelRatio(), graph.devicePixelRatioF());
        QCOMPARE(graph.surface().image().deviceIndependentSize(), QSizeF(465, 465));
    }

    // The colors are read as the grid is drawn; the curve color stays selected
    // until the next grid, whatever the setting becomes.
    void drawGridReadsTheColorSettingsAsItRuns()
    {
        graph_mdl::BackgroundColor = RGB(0, 0, 80);
        graph_mdl::GridColor = RGB(0, 200, 0);
        graph_mdl::AxisColor = RGB(255, 255, 0);
        graph_mdl::PlotColor = RGB(255, 0, 0);
        graph_mdl::DrawGrid();
        graph_mdl::PlotColor = RGB(0, 0, 255);
        Single x = 2;
        Single y = 4;
        graph_mdl::PlotPoint(x, y);
        QCOMPARE(GraphPixel({5, 3}), qRgb(0, 0, 80));
        QCOMPARE(GraphPixel({220, 3}), qRgb(0, 200, 0));   // the grid line at world x = -2
        QCOMPARE(GraphPixel({233, 3}), qRgb(255, 255, 0)); // the vertical axis
        QCOMPARE(GraphPixel({246, 206}), qRgb(255, 0, 0)); // world (2, 4)
    }

    // A routine stopped by an error before it drew does not load the window.
    void failingBeforeDrawingLoadsNoWindow()
    {
        const RecordedErrors recorded;
        RunHandler([] { graph_mdl::PlotLinear(1e37f, 0); });
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QVERIFY(!LoadedInstance<frmGraph>());
    }

    void drawingLoadsTheWindowHiddenAndShowsOnceVisible()
    {
        graph_mdl::PlotColor = RGB(255, 0, 0);
        Single x = 1;
        Single y = 2;
        graph_mdl::PlotPoint(x, y);
        QCOMPARE(x, 3600.0f);
        QCOMPARE(y, 3300.0f);
        frmGraph *graph = LoadedInstance<frmGraph>();
        QVERIFY(graph);
        QVERIFY(!graph->isVisible());
        graph->Show();
        QVERIFY(QTest::qWaitForWindowExposed(graph));
        const QImage shown = graph->client()->grab().toImage();
        QCOMPARE(shown.pixel(240, 220), qRgb(0, 0, 0));
    }

    void drawingIsShownAfterTheRoutine()
    {
        frmGraph &graph = Instance<frmGraph>();
        graph.Show();
        graph_mdl::GridColor = graph_mdl::BackgroundColor = RGB(255, 255, 255);
        graph_mdl::AxisColor = RGB(0, 0, 255);
        graph_mdl::DrawGrid();
        QCOMPARE(graph.client()->grab().toImage().pixel(233, 10), qRgb(0, 0, 255));
    }

    void aParabolaIsOneRepaint()
    {
        frmGraph &graph = Instance<frmGraph>();
        graph.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        QTest::qWait(50);
        PaintCounter counter;
        graph.client()->findChild<QWidget *>(QStringLiteral("surface"))->installEventFilter(&counter);
        graph_mdl::PlotParabola(1, 0, 0);
        QTRY_COMPARE(counter.paints, 1);
        QTest::qWait(100);
        QCOMPARE(counter.paints, 1);
        QCOMPARE(GraphPixel({246, 206}), qRgb(0, 0, 0)); // world (2, 4)
    }

    void unloadedAndShownAgainTheWindowIsEmptyInItsDesignColor()
    {
        graph_mdl::BackgroundColor = RGB(0, 0, 80);
        graph_mdl::DrawGrid();
        QCOMPARE(GraphPixel({5, 5}), qRgb(0, 0, 80));
        Unload<frmGraph>();
        Instance<frmGraph>().Show();
        const QImage &image = Instance<frmGraph>().surface().image();
        QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(233, 233), qRgb(255, 255, 255));
    }

    void runtimeErrorKeepsWhatWasDrawn()
    {
        const RecordedErrors recorded;
        graph_mdl::PlotColor = RGB(0, 0, 0);
        graph_mdl::DrawGrid();
        Single x = 5;
        Single y = 5;
        graph_mdl::PlotPoint(x, y);
        RunHandler([] {
            Single bigX = 0;
            Single bigY = 4e36f;
            graph_mdl::PlotPoint(bigX, bigY);
        });
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QVERIFY(LoadedInstance<frmGraph>());
        QCOMPARE(GraphPixel({266, 200}), qRgb(0, 0, 0)); // world (5, 5)
        Single x2 = -5;
        Single y2 = -5;
        graph_mdl::PlotPoint(x2, y2);
        QCOMPARE(GraphPixel({200, 266}), qRgb(0, 0, 0)); // world (-5, -5)
        QCOMPARE(GraphPixel({266, 200}), qRgb(0, 0, 0));
    }
};

CURVISTA_TEST_MAIN(TestGraphWindow)
#include "test_graph_window.moc"
