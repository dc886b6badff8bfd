#include "drawing.h"

namespace graph {

void PlotPoint(Single &x, Single &y, const SurfaceSource &source)
{
    Canvas canvas(source);
    PlotPoint(x, y, canvas);
}

void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2, const SurfaceSource &source)
{
    WorldToCanvas(x1, y1);
    WorldToCanvas(x2, y2);
    Canvas(source).line(x1, y1, x2, y2);
}

void DrawGrid(GraphSurface &surface, const GridColours &colours)
{
    using platform::Integer;
    constexpr Integer GridEnd = 7000;
    constexpr Integer GridStep = 100;
    constexpr Single AxisAt = 3500;

    surface.setBackColor(colours.background);
    surface.setForeColor(colours.grid);
    for (Integer i = 0; i <= GridEnd; i = platform::AddInteger(i, GridStep))
        surface.line(i, 0, i, GridEnd);
    for (Integer i = 0; i <= GridEnd; i = platform::AddInteger(i, GridStep))
        surface.line(0, i, GridEnd, i);
    surface.setForeColor(colours.axis);
    surface.line(0, AxisAt, GridEnd, AxisAt);
    surface.line(AxisAt, 0, AxisAt, GridEnd);
    surface.setForeColor(colours.plot);
}

} // namespace graph
