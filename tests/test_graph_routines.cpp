#include "graph/graph_routines.h"
#include "graph_script_support.h"
#include "settings/settings.h"
#include "test_support.h"

#include <optional>

using namespace graph;
using platform::RGB;

using Routine = std::function<void()>;
Q_DECLARE_METATYPE(Routine)

// graph_mdl's routines on a drawing the test binds in place of the window:
// the engine draws, reads the settings and reports its changes without one.
class TestGraphRoutines : public QObject
{
    Q_OBJECT

    std::optional<GraphDrawing> m_drawing;
    int m_asked = 0;
    int m_changes = 0;
    graph_mdl::DrawingTarget m_previous;

private slots:
    void init()
    {
        m_drawing.reset();
        m_asked = 0;
        m_changes = 0;
        m_previous = graph_mdl::SetDrawingTarget({
            .drawing = [this]() -> GraphDrawing & {
                ++m_asked;
                if (!m_drawing)
                    m_drawing.emplace(scripts::ClientSize, 1.0, scripts::DesignBack);
                return *m_drawing;
            },
            .changed = [this] { ++m_changes; },
        });
    }
    void cleanup() { graph_mdl::SetDrawingTarget(std::move(m_previous)); }

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
        const QImage &image = m_drawing->surface().image();
        QCOMPARE(image.pixel(5, 3), qRgb(0, 0, 80));
        QCOMPARE(image.pixel(220, 3), qRgb(0, 200, 0));   // the grid line at world x = -2
        QCOMPARE(image.pixel(233, 3), qRgb(255, 255, 0)); // the vertical axis
        QCOMPARE(image.pixel(246, 206), qRgb(255, 0, 0)); // world (2, 4)
    }

    // Each routine shows what it drew once, also when an error stopped it; one
    // stopped before it drew never asks for the drawing.
    void eachRoutineIsOneChange_data()
    {
        QTest::addColumn<Routine>("routine");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<bool>("drawn");
        const auto point = [] {
            Single x = 1;
            Single y = 2;
            graph_mdl::PlotPoint(x, y);
        };
        const auto segment = [] {
            Single x1 = 50;
            Single y1 = 60;
            Single x2 = -50;
            Single y2 = -40;
            graph_mdl::PlotSegment(x1, y1, x2, y2);
        };
        // clang-format off
        QTest::newRow("grid")                      << Routine(graph_mdl::DrawGrid)                             << false << true;
        QTest::newRow("point")                     << Routine(point)                                           << false << true;
        QTest::newRow("segment")                   << Routine(segment)                                         << false << true;
        QTest::newRow("line")                      << Routine([] { graph_mdl::PlotLinear(1, 10); })            << false << true;
        QTest::newRow("parabola")                  << Routine([] { graph_mdl::PlotParabola(1, 0, 0); })        << false << true;
        QTest::newRow("line beyond Single")        << Routine([] { graph_mdl::PlotLinear(1e37f, 0); })         << true  << false;
        QTest::newRow("parabola stopped part way") << Routine([] { graph_mdl::PlotParabola(0, 1e35f, 5e36f); }) << true  << true;
        QTest::newRow("parabola stopped at once")  << Routine([] { graph_mdl::PlotParabola(1e37f, 0, 0); })    << true  << false;
        // clang-format on
    }
    void eachRoutineIsOneChange()
    {
        QFETCH(Routine, routine);
        QFETCH(bool, fails);
        QFETCH(bool, drawn);
        bool failed = false;
        try {
            routine();
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.number(), 6);
            failed = true;
        }
        QCOMPARE(failed, fails);
        QCOMPARE(m_changes, 1);
        QCOMPARE(m_asked > 0, drawn);
    }
};

CURVISTA_GUI_TEST_MAIN(TestGraphRoutines)
#include "test_graph_routines.moc"
