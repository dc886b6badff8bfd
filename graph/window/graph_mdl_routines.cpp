#include "graph_mdl_routines.h"

#include "graph/engine/lesson.h"
#include "graph/window/frmgraph.h"
#include "settings/settings.h"

#include <QScopeGuard>

#include <memory>

namespace graph_mdl {

namespace {

std::unique_ptr<graph::GraphModel> &TheGraph()
{
    static std::unique_ptr<graph::GraphModel> graph;
    return graph;
}

// Draws on the graph; once something is drawn, its window is loaded (hidden)
// to show it, if it is not.
template <class Draw> void OnTheGraph(Draw &&draw)
{
    graph::GraphModel &graph = Graph();
    const std::size_t curves = graph.record().curves().size();
    const auto shown = qScopeGuard([&graph, curves] {
        if (graph.record().curves().size() != curves)
            platform::Instance<frmGraph>();
    });
    draw(graph);
}

} // namespace

graph::GraphModel &Graph()
{
    std::unique_ptr<graph::GraphModel> &graph = TheGraph();
    if (!graph)
        graph = std::make_unique<graph::GraphModel>(frmGraph::ClientSize(), frmGraph::FreshColor());
    return *graph;
}

void ResetGraph()
{
    TheGraph().reset();
}

void PlotPoint(Single &x, Single &y)
{
    OnTheGraph([&](graph::GraphModel &graph) { graph.plotPoint(x, y); });
}

void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2)
{
    OnTheGraph([&](graph::GraphModel &graph) { graph.plotSegment(x1, y1, x2, y2); });
}

void DrawGrid()
{
    Graph().drawGrid({.background = BackgroundColor, .grid = GridColor, .axis = AxisColor, .plot = PlotColor});
    platform::Instance<frmGraph>();
}

void PlotLinear(const Single &m, const Single &c)
{
    OnTheGraph([&](graph::GraphModel &graph) { graph.plotLinear(m, c); });
}

void PlotParabola(const Single &a, const Single &b, const Single &c)
{
    OnTheGraph([&](graph::GraphModel &graph) { graph.plotParabola(a, b, c); });
}

void OpenLesson(const QString &path)
{
    const graph::Lesson lesson = graph::OpenLesson(path);
    BackgroundColor = lesson.colors.background;
    GridColor = lesson.colors.grid;
    AxisColor = lesson.colors.axis;
    PlotColor = lesson.colors.plot;
    Graph().clear(frmGraph::FreshColor());
    DrawGrid();
    for (const graph::LessonCurve &curve : lesson.curves) {
        platform::RunHandler([&curve] {
            if (const auto *line = std::get_if<graph::LessonLine>(&curve))
                PlotLinear(line->m, line->c);
            else if (const auto *parabola = std::get_if<graph::LessonParabola>(&curve))
                PlotParabola(parabola->a, parabola->b, parabola->c);
        });
    }
}

void SaveLesson(const QString &path)
{
    graph::SaveLesson(
        graph::LessonOf(Graph().record(),
                        {.background = BackgroundColor, .grid = GridColor, .axis = AxisColor, .plot = PlotColor}),
        path);
}

} // namespace graph_mdl
