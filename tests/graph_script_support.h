#pragma once

#include "graph/engine/graph_model.h"

#include <QTest>

#include <functional>

// A sequence of graph routines run on a graph.
using GraphScript = std::function<void(graph::GraphModel &)>;
Q_DECLARE_METATYPE(GraphScript)

namespace scripts {

using graph::GraphModel;
using graph::Single;
using platform::RGB;

constexpr QSize ClientSize(465, 465);
constexpr platform::Color DesignBack = RGB(255, 255, 255);

const graph::GridColors Light{
    .background = RGB(255, 255, 255), .grid = RGB(220, 220, 220), .axis = RGB(100, 100, 100), .plot = RGB(0, 0, 0)};
const graph::GridColors Dark{
    .background = RGB(0, 0, 60), .grid = RGB(40, 40, 90), .axis = RGB(250, 250, 0), .plot = RGB(255, 0, 0)};

inline void Grid(GraphModel &graph, const graph::GridColors &colors)
{
    graph.drawGrid(colors);
}

inline void Linear(GraphModel &graph, Single m, Single c)
{
    graph.plotLinear(m, c);
}

inline void Parabola(GraphModel &graph, Single a, Single b, Single c)
{
    graph.plotParabola(a, b, c);
}

inline void Point(GraphModel &graph, Single x, Single y)
{
    graph.plotPoint(x, y);
}

inline void Segment(GraphModel &graph, Single x1, Single y1, Single x2, Single y2)
{
    graph.plotSegment(x1, y1, x2, y2);
}

// A graph as a freshly loaded graph window shows it, at that ratio.
struct TestGraph : GraphModel
{
    explicit TestGraph(double ratio = 1.0) : GraphModel(ClientSize, DesignBack) { setDevicePixelRatio(ratio); }
};

// What a script draws when made at a ratio from the start.
inline QImage DrawnAt(double ratio, const GraphScript &script)
{
    TestGraph graph(ratio);
    script(graph);
    return graph.surface().image();
}

// A step that raises the floating-point error, as a handler would meet it.
template <class Step> void Failing(Step &&step)
{
    try {
        step();
    } catch (const platform::RuntimeError &) {
        return;
    }
    QFAIL("no error raised");
}

// y = 1e35 * (x + 50): its points map beyond the Single range once x passes
// about -16, so about a third of the parabola is drawn.
inline void StoppedParabola(GraphModel &graph)
{
    Failing([&] { Parabola(graph, 0.0f, 1e35f, 5e36f); });
}

inline void AddScriptRows()
{
    QTest::newRow("grid only") << GraphScript([](GraphModel &d) { Grid(d, Light); });
    QTest::newRow("lines") << GraphScript([](GraphModel &d) {
        Grid(d, Light);
        Linear(d, 1, 10);
        Linear(d, -0.5f, 3);
        Linear(d, 0, 0);
        Linear(d, 40, -7);
    });
    QTest::newRow("parabolas") << GraphScript([](GraphModel &d) {
        Grid(d, Light);
        Parabola(d, 1, 0, 0);
        Parabola(d, -0.25f, 2, 5);
        Parabola(d, 1000, 0, -30);
        // Narrow, at x = 3: its large terms cancel to the few units shown.
        Parabola(d, 1e6f, -6e6f, 9e6f - 20.0f);
    });
    QTest::newRow("stopped parabola") << GraphScript([](GraphModel &d) {
        Grid(d, Light);
        Parabola(d, 0.5f, 0, -20);
        StoppedParabola(d);
    });
    QTest::newRow("colors changed between clearings") << GraphScript([](GraphModel &d) {
        Grid(d, Light);
        Linear(d, 1, 10);
        Parabola(d, 1, 0, 0);
        Grid(d, Dark);
        Linear(d, -1, 0);
        Parabola(d, -1, 0, 10);
    });
    QTest::newRow("points and segments before any grid") << GraphScript([](GraphModel &d) {
        Point(d, 1, 2);
        Point(d, -35, 35);
        Segment(d, 50, 60, -50, -40);
    });
    QTest::newRow("failed curves between drawn ones") << GraphScript([](GraphModel &d) {
        Grid(d, Light);
        Failing([&] { Linear(d, 1e37f, 0); });
        Linear(d, 2, 1);
        Failing([&] { Parabola(d, 1e37f, 0, 0); });
        Parabola(d, 0.1f, 0, 0);
    });
}

} // namespace scripts
