#include "graph_routines.h"

#include "settings/settings.h"

#include <utility>

namespace graph_mdl {

namespace {

DrawingTarget &Target()
{
    static DrawingTarget target;
    return target;
}

// Shows the drawing once per routine, however the routine ends.
struct ChangedWhenDone
{
    ChangedWhenDone() = default;
    ChangedWhenDone(const ChangedWhenDone &) = delete;
    ChangedWhenDone &operator=(const ChangedWhenDone &) = delete;
    ~ChangedWhenDone()
    {
        if (Target().changed)
            Target().changed();
    }
};

} // namespace

DrawingTarget SetDrawingTarget(DrawingTarget target)
{
    return std::exchange(Target(), std::move(target));
}

void PlotPoint(Single &x, Single &y)
{
    const ChangedWhenDone changed;
    graph::recording::PlotPoint(x, y, Target().drawing);
}

void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2)
{
    const ChangedWhenDone changed;
    graph::recording::PlotSegment(x1, y1, x2, y2, Target().drawing);
}

void DrawGrid()
{
    const ChangedWhenDone changed;
    graph::recording::DrawGrid(
        Target().drawing(), {.background = BackgroundColor, .grid = GridColor, .axis = AxisColor, .plot = PlotColor});
}

void PlotLinear(const Single &m, const Single &c)
{
    const ChangedWhenDone changed;
    graph::recording::PlotLinear(m, c, Target().drawing);
}

void PlotParabola(const Single &a, const Single &b, const Single &c)
{
    const ChangedWhenDone changed;
    graph::recording::PlotParabola(a, b, c, Target().drawing);
}

} // namespace graph_mdl
