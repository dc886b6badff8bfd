#include "plotters.h"

#include <cmath>

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

bool ParabolaMayReach(Single a, Single b, Single c, double from, double to, const QRectF &canvas)
{
    // x is the counter rounded to Single: within 2e-6 of it.
    constexpr double CounterSlack = 1e-5;
    constexpr double CanvasSlack = 20.0; // beyond a pixel
    from -= CounterSlack;
    to += CounterSlack;
    const double left = from * CanvasPerWorld + CanvasOrigin;
    const double right = to * CanvasPerWorld + CanvasOrigin;
    if (right < canvas.left() - CanvasSlack || left > canvas.right() + CanvasSlack)
        return false;
    const double da = a;
    const double db = b;
    const double dc = c;
    const auto f = [&](double x) { return da * x * x + db * x + dc; };
    double low = std::min(f(from), f(to));
    double high = std::max(f(from), f(to));
    if (da != 0.0) {
        if (const double vertex = -db / (2.0 * da); from < vertex && vertex < to) {
            low = std::min(low, f(vertex));
            high = std::max(high, f(vertex));
        }
    }
    // The loop sums its terms in another order: allow for their rounding.
    const double reach = std::max(std::abs(from), std::abs(to));
    const double rounding = 1e-9 * (std::abs(da) * reach * reach + std::abs(db) * reach + std::abs(dc));
    const double top = CanvasOrigin - (high + rounding) * CanvasPerWorld;
    const double bottom = CanvasOrigin - (low - rounding) * CanvasPerWorld;
    return !(bottom < canvas.top() - CanvasSlack || top > canvas.bottom() + CanvasSlack);
}

} // namespace graph
