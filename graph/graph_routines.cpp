#include "graph_routines.h"

#include "app/settings.h"
#include "frmgraph.h"
#include "graph/plotters.h"

namespace graph_mdl {

namespace {

graph::GraphSurface &GraphWindowSurface()
{
    return platform::Instance<frmGraph>().surface();
}

const graph::SurfaceSource Surface = GraphWindowSurface;

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
    graph::PlotPoint(x, y, Surface);
}

void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2)
{
    const RepaintWhenDone repaint;
    graph::PlotSegment(x1, y1, x2, y2, Surface);
}

void DrawGrid()
{
    const RepaintWhenDone repaint;
    graph::DrawGrid(GraphWindowSurface(),
                    {.background = BackgroundColor, .grid = GridColor, .axis = AxisColor, .plot = PlotColor});
}

void PlotLinear(const Single &m, const Single &c)
{
    const RepaintWhenDone repaint;
    graph::PlotLinear(m, c, Surface);
}

void PlotParabola(const Single &a, const Single &b, const Single &c)
{
    const RepaintWhenDone repaint;
    graph::PlotParabola(a, b, c, Surface);
}

} // namespace graph_mdl
