#include "graph/plotters.h"
#include "graph_script_support.h"
#include "test_support.h"

using namespace graph;
using namespace scripts;

class TestDrawingRecord : public QObject
{
    Q_OBJECT

private slots:
    void replayAtRatioOneGivesTheLivePixels_data()
    {
        QTest::addColumn<GraphScript>("script");
        AddScriptRows();
    }
    void replayAtRatioOneGivesTheLivePixels()
    {
        QFETCH(GraphScript, script);
        GraphDrawing live(ClientSize, 1.0, DesignBack);
        script(live);
        QCOMPARE(live.rendered(1.0), live.surface().image());
    }

    void replayAtARatioGivesDrawingThereFromTheStart_data()
    {
        QTest::addColumn<GraphScript>("script");
        QTest::addColumn<double>("ratio");
        const GraphScript gridAndCurves = [](GraphDrawing &d) {
            Grid(d, Light);
            Linear(d, 1, 10);
            Parabola(d, 1, 0, 0);
            Parabola(d, 1000, 0, -30);
        };
        const GraphScript stoppedParabola = [](GraphDrawing &d) {
            Grid(d, Dark);
            StoppedParabola(d);
        };
        for (const double ratio : {1.25, 1.5, 2.0}) {
            // clang-format off
            QTest::newRow(qPrintable(QStringLiteral("grid and curves at %1").arg(ratio)))  << gridAndCurves   << ratio;
            QTest::newRow(qPrintable(QStringLiteral("stopped parabola at %1").arg(ratio))) << stoppedParabola << ratio;
            // clang-format on
        }
    }
    void replayAtARatioGivesDrawingThereFromTheStart()
    {
        QFETCH(GraphScript, script);
        QFETCH(double, ratio);
        GraphDrawing there(ClientSize, ratio, DesignBack);
        script(there);
        GraphDrawing moved(ClientSize, 1.0, DesignBack);
        script(moved);
        QCOMPARE(moved.rendered(ratio), there.surface().image());

        // Rebuilt at the new ratio, it goes on drawing in the color selected before.
        moved.setDevicePixelRatio(ratio);
        QCOMPARE(moved.surface().devicePixelRatio(), ratio);
        Parabola(there, -0.5f, 1, 3);
        Parabola(moved, -0.5f, 1, 3);
        QCOMPARE(moved.surface().image(), there.surface().image());
    }

    void parabolaIsRecordedWithThePassesItDrew_data()
    {
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("c");
        QTest::addColumn<int>("passes");
        QTest::newRow("complete") << 1.0f << 0.0f << 0.0f << 100001;
        // y = 1e35 * (x + 50) first maps beyond the Single range at x = -15.971,
        // where y is 3.4029e36: the passes from x = -50 to -15.972 are drawn.
        QTest::newRow("stopped part way") << 0.0f << 1e35f << 5e36f << 34029;
        QTest::newRow("stopped at the first pass") << 1e37f << 0.0f << 0.0f << 0;
    }
    void parabolaIsRecordedWithThePassesItDrew()
    {
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(float, c);
        QFETCH(int, passes);
        GraphDrawing drawing(ClientSize, 1.0, DesignBack);
        Grid(drawing, Light);
        try {
            Parabola(drawing, a, b, c);
        } catch (const platform::RuntimeError &) {
        }
        const std::vector<RecordedCurve> &curves = drawing.record().curves();
        if (passes == 0) {
            QVERIFY(curves.empty());
            return;
        }
        QCOMPARE(curves.size(), std::size_t(1));
        const auto *parabola = std::get_if<RecordedParabola>(&curves.front());
        QVERIFY(parabola);
        QCOMPARE(parabola->passes, passes);
        QCOMPARE(parabola->a, a);
        QCOMPARE(parabola->b, b);
        QCOMPARE(parabola->c, c);
        QCOMPARE(parabola->color, Light.plot);
    }

    void gridStartsTheRecordAgain()
    {
        GraphDrawing drawing(ClientSize, 1.0, DesignBack);
        Grid(drawing, Light);
        Linear(drawing, 1, 1);
        Parabola(drawing, 1, 0, 0);
        Grid(drawing, Dark);
        Linear(drawing, 2, 2);
        QCOMPARE(drawing.record().curves().size(), std::size_t(1));
        QCOMPARE(drawing.record().grid()->background, Dark.background);
    }

    void aThousandCurvesTakeLessThan100KiB()
    {
        DrawingRecord record;
        record.recordGrid(Light);
        for (int i = 0; i < 250; ++i) {
            const auto f = static_cast<Single>(i);
            record.recordCurve(RecordedParabola{f, -f, 1, 0, ParabolaPasses});
            record.recordCurve(RecordedLinear{f, 2, 0});
            record.recordCurve(RecordedSegment{f, 1, 2, 3, 0});
            record.recordCurve(RecordedPoint{f, 1, 0});
        }
        QCOMPARE(record.curves().size(), std::size_t(1000));
        QVERIFY2(record.memoryBytes() < std::size_t{100} * 1024, qPrintable(QString::number(record.memoryBytes())));
    }
};

CURVISTA_GUI_TEST_MAIN(TestDrawingRecord)
#include "test_drawing_record.moc"
