#include "plotters.h"

namespace graph {

void PlotLinear(const Single &m, const Single &c, const SurfaceSource &source)
{
    constexpr Single RightEnd = 50;
    constexpr Single LeftEnd = -50;
    Single x1 = RightEnd;
    Single y1 = StoreSingle(static_cast<double>(m) * RightEnd + static_cast<double>(c));
    Single x2 = LeftEnd;
    Single y2 = StoreSingle(static_cast<double>(m) * LeftEnd + static_cast<double>(c));
    PlotSegment(x1, y1, x2, y2, source);
}

void PlotParabola(const Single &a, const Single &b, const Single &c, const SurfaceSource &source)
{
    Canvas canvas(source);
    ForEachParabolaPass(a, b, c, [&canvas](Single &x, Single &y) { PlotPoint(x, y, canvas); });
}

} // namespace graph
