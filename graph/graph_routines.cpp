#include "graph_routines.h"

#include "settings/settings.h"
#include "frmgraph.h"
#include "graph/plotters.h"

namespace graph_mdl {

namespace {

graph::GraphDrawing &GraphWindowDrawing()
{
    return platform::Instance<frmGraph>().drawing();
}

const graph::DrawingSource Drawing = GraphWindowDrawing;

// Repaints once per drawing routine, also when it stopped on an error, so
// that what was drawn before the error shows.
struct RepaintWhenDone
{
    RepaintWhenDone() = default;
    RepaintWhenDone(const RepaintWhenDone &) = delete;
    RepaintWhenDone &operator=(const RepaintWhenDone &) = delete;
    ~RepaintWhenDone()
    {
        if (frmGraph *window = platform::LoadedInstance<frmGraph>())
            window->surfaceChanged();
    }
};

} // namespace

void PlotPoint(Single &x, Single &y)
{
    const RepaintWhenDone repaint;
    graph::recording::PlotPoint(x, y, Drawing);
}

void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2)
{
    const RepaintWhenDone repaint;
    graph::recording::PlotSegment(x1, y1, x2, y2, Drawing);
}

void DrawGrid()
{
    const RepaintWhenDone repaint;
    graph::recording::DrawGrid(
        GraphWindowDrawing(), {.background = BackgroundColor, .grid = GridColor, .axis = AxisColor, .plot = PlotColor});
}

void PlotLinear(const Single &m, const Single &c)
{
    const RepaintWhenDone repaint;
    graph::recording::PlotLinear(m, c, Drawing);
}

void PlotParabola(const Single &a, const Single &b, const Single &c)
{
    const RepaintWhenDone repaint;
    graph::recording::PlotParabola(a, b, c, Drawing);
}

} // namespace graph_mdl
