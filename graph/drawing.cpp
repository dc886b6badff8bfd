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

} // namespace graph
