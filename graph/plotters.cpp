#include "plotters.h"

namespace graph {

LinearEnds LinearSegment(Single m, Single c)
{
    constexpr Single RightEnd = 50;
    constexpr Single LeftEnd = -50;
    LinearEnds ends{.x1 = RightEnd, .y1 = 0, .x2 = LeftEnd, .y2 = 0};
    ends.y1 = StoreSingle(static_cast<double>(m) * RightEnd + static_cast<double>(c));
    ends.y2 = StoreSingle(static_cast<double>(m) * LeftEnd + static_cast<double>(c));
    return ends;
}

void PlotLinear(const Single &m, const Single &c, const SurfaceSource &source)
{
    LinearEnds ends = LinearSegment(m, c);
    PlotSegment(ends.x1, ends.y1, ends.x2, ends.y2, source);
}

void PlotParabola(const Single &a, const Single &b, const Single &c, const SurfaceSource &source)
{
    Canvas canvas(source);
    ForEachParabolaPass(a, b, c, [&canvas](Single &x, Single &y) { PlotPoint(x, y, canvas); });
}

} // namespace graph
