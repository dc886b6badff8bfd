#include "graph/engine/plotters.h"
#include "graph_script_support.h"
#include "test_support.h"

#include <QSignalSpy>

using namespace graph;
using namespace scripts;

class TestGraphModel : public QObject
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
        TestGraph live;
        script(live);
        QCOMPARE(live.rendered(1.0), live.surface().image());
    }

    void replayAtARatioGivesDrawingThereFromTheStart_data()
    {
        QTest::addColumn<GraphScript>("script");
        QTest::addColumn<double>("ratio");
        const GraphScript gridAndCurves = [](GraphModel &d) {
            Grid(d, Light);
            Linear(d, 1, 10);
            Parabola(d, 1, 0, 0);
            Parabola(d, 1000, 0, -30);
        };
        const GraphScript stoppedParabola = [](GraphModel &d) {
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
        TestGraph there(ratio);
        script(there);
        TestGraph moved;
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
        TestGraph drawing;
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

    // Each routine is one change, also when an error stopped it part-way; one
    // stopped before it drew leaves the graph as it was.
    void eachGraphScriptIsOneChange_data()
    {
        QTest::addColumn<GraphScript>("routine");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<bool>("drawn");
        const auto point = [](GraphModel &graph) {
            Single x = 1;
            Single y = 2;
            graph.plotPoint(x, y);
        };
        const auto segment = [](GraphModel &graph) {
            Single x1 = 50;
            Single y1 = 60;
            Single x2 = -50;
            Single y2 = -40;
            graph.plotSegment(x1, y1, x2, y2);
        };
        // clang-format off
        QTest::newRow("grid")                      << GraphScript([](GraphModel &g) { g.drawGrid(Dark); })              << false << true;
        QTest::newRow("point")                     << GraphScript(point)                                                << false << true;
        QTest::newRow("segment")                   << GraphScript(segment)                                              << false << true;
        QTest::newRow("line")                      << GraphScript([](GraphModel &g) { g.plotLinear(1, 10); })           << false << true;
        QTest::newRow("parabola")                  << GraphScript([](GraphModel &g) { g.plotParabola(1, 0, 0); })       << false << true;
        QTest::newRow("line beyond Single")        << GraphScript([](GraphModel &g) { g.plotLinear(1e37f, 0); })        << true  << false;
        QTest::newRow("point beyond the mapping")  << GraphScript([](GraphModel &g) { Single x = 0, y = 4e36f; g.plotPoint(x, y); }) << true << false;
        QTest::newRow("parabola stopped part way") << GraphScript([](GraphModel &g) { g.plotParabola(0, 1e35f, 5e36f); }) << true  << true;
        QTest::newRow("parabola stopped at once")  << GraphScript([](GraphModel &g) { g.plotParabola(1e37f, 0, 0); })   << true  << false;
        // clang-format on
    }
    void eachGraphScriptIsOneChange()
    {
        QFETCH(GraphScript, routine);
        QFETCH(bool, fails);
        QFETCH(bool, drawn);
        TestGraph graph;
        const QImage before = graph.surface().image();
        const QSignalSpy changes(&graph, &GraphModel::changed);
        bool failed = false;
        try {
            routine(graph);
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.number(), 6);
            failed = true;
        }
        QCOMPARE(failed, fails);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(!graph.record().empty(), drawn);
        if (!drawn)
            QCOMPARE(graph.surface().image(), before);
    }

    // Undoing a step leaves the graph exactly as it was before it; redoing it,
    // as it was after. A clearing comes back with its curves and colors.
    void undoAndRedoEachStep_data()
    {
        QTest::addColumn<GraphScript>("before");
        QTest::addColumn<GraphScript>("step");
        const GraphScript drawn = [](GraphModel &g) {
            Grid(g, Light);
            Linear(g, 1, 10);
            Parabola(g, 1, 0, -4);
        };
        const GraphScript clearing = [](GraphModel &g) {
            g.clear(DesignBack);
            Grid(g, Dark);
        };
        // clang-format off
        QTest::newRow("a line")                     << drawn << GraphScript([](GraphModel &g) { Linear(g, -2, 3); });
        QTest::newRow("a parabola")                 << drawn << GraphScript([](GraphModel &g) { Parabola(g, -0.5f, 1, 8); });
        QTest::newRow("a parabola stopped part way")<< drawn << GraphScript([](GraphModel &g) { StoppedParabola(g); });
        QTest::newRow("a clearing in new colors")   << drawn << clearing;
        QTest::newRow("a grid drawn over curves")   << drawn << GraphScript([](GraphModel &g) { Grid(g, Light); });
        // clang-format on
    }
    void undoAndRedoEachStep()
    {
        QFETCH(GraphScript, before);
        QFETCH(GraphScript, step);
        TestGraph graph;
        before(graph);
        const QImage beforeImage = graph.surface().image();
        const DrawingRecord beforeRecord = graph.record();
        const int steps = graph.history().count();
        step(graph);
        const QImage afterImage = graph.surface().image();
        QCOMPARE(graph.history().count(), steps + 1);
        QVERIFY(graph.record() != beforeRecord);

        graph.history().undo();
        QCOMPARE(graph.surface().image(), beforeImage);
        QCOMPARE(graph.record(), beforeRecord);
        QVERIFY(graph.history().canRedo());
        graph.history().redo();
        QCOMPARE(graph.surface().image(), afterImage);

        // A new curve after an undo drops what could have been redone.
        graph.history().undo();
        Linear(graph, 0, 0);
        QVERIFY(!graph.history().canRedo());
    }

    // The history starts after the first grid; a clearing that wipes no
    // curve and changes no color is no step; a failed curve that drew
    // nothing is none either.
    void whatIsNoStep()
    {
        TestGraph graph;
        Grid(graph, Light);
        QVERIFY(!graph.history().canUndo());
        graph.clear(DesignBack);
        Grid(graph, Light);
        QVERIFY(!graph.history().canUndo());
        Failing([&] { Linear(graph, 1e37f, 0); });
        QVERIFY(!graph.history().canUndo());
    }

    // Undone and redone at another ratio, the drawing is as drawn there.
    void undoRedrawsAtTheSurfacesRatio()
    {
        TestGraph graph(2.0);
        Grid(graph, Light);
        Parabola(graph, 1, 0, 0);
        const QImage once = graph.surface().image();
        Linear(graph, 1, 1);
        graph.history().undo();
        QCOMPARE(graph.surface().image(), once);
        QCOMPARE(graph.surface().devicePixelRatio(), 2.0);
    }

    void gridStartsTheRecordAgain()
    {
        TestGraph drawing;
        Grid(drawing, Light);
        Linear(drawing, 1, 1);
        Parabola(drawing, 1, 0, 0);
        Grid(drawing, Dark);
        Linear(drawing, 2, 2);
        QCOMPARE(drawing.record().curves().size(), std::size_t(1));
        QCOMPARE(drawing.record().grid()->background, Dark.background);
    }

    // The history of a thousand drawn curves, each one step, stays small.
    void aThousandStepsOfHistory()
    {
        TestGraph graph;
        Grid(graph, Light);
        for (int i = 0; i < 1000; ++i)
            Linear(graph, static_cast<Single>(i), 1);
        QCOMPARE(graph.history().count(), 1000);
        for (int i = 0; i < 1000; ++i)
            graph.history().undo();
        QVERIFY(graph.record().curves().empty());
        QVERIFY(!graph.history().canUndo());
    }

    void aThousandCurvesTakeLessThan100KiB()
    {
        DrawingRecord record;
        record.recordGrid(Light);
        for (int i = 0; i < 250; ++i) {
            const auto f = static_cast<Single>(i);
            record.recordCurve(RecordedParabola{f, -f, 1, {}, ParabolaPasses});
            record.recordCurve(RecordedLinear{f, 2, {}});
            record.recordCurve(RecordedSegment{f, 1, 2, 3, {}});
            record.recordCurve(RecordedPoint{f, 1, {}});
        }
        QCOMPARE(record.curves().size(), std::size_t(1000));
        QVERIFY2(record.memoryBytes() < std::size_t{100} * 1024, qPrintable(QString::number(record.memoryBytes())));
    }
};

CURVISTA_GUI_TEST_MAIN(TestGraphModel)
#include "test_graph_model.moc"
