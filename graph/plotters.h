#pragma once

#include "graph/drawing.h"

#include <cstdint>
#include <utility>

namespace graph {

// The parabola loop's passes, when no error stops it.
constexpr std::int32_t ParabolaPasses = 100001;

// The world ends of y = m*x + c's segment, at x = 50 and x = -50, each y
// stored with its check.
struct LinearEnds
{
    Single x1;
    Single y1;
    Single x2;
    Single y2;
};
LinearEnds LinearSegment(Single m, Single c);

// y = m*x + c as one segment from world x = 50 to x = -50; m and c are read only.
void PlotLinear(const Single &m, const Single &c, const SurfaceSource &source);

// Runs the parabola's first passLimit passes (all 100001 unless fewer are
// asked for), handing each pass's world (x, y) to plot. The counter is a
// Double from -50 in steps of the Double nearest 0.001, so rounding
// accumulates; each product and sum is formed in double precision and stored
// to Single once, with its check.
template <class Plot> void ForEachParabolaPass(Single a, Single b, Single c, std::int32_t passLimit, Plot &&plot)
{
    constexpr double Start = -50.0;
    constexpr double End = 50.0;
    constexpr double Step = 0.001;
    std::int32_t pass = 0;
    for (double counter = Start; !(counter > End) && pass < passLimit; counter += Step, ++pass) {
        Single x = static_cast<Single>(counter);
        const double xd = x;
        const double square = xd * xd; // exact for a Single x
        const double t = square * static_cast<double>(a);
        const double u = xd * static_cast<double>(b);
        CheckDouble(t);
        CheckDouble(u);
        Single y = StoreSingle((t + u) + static_cast<double>(c));
        plot(x, y);
    }
}

template <class Plot> void ForEachParabolaPass(Single a, Single b, Single c, Plot &&plot)
{
    ForEachParabolaPass(a, b, c, ParabolaPasses, std::forward<Plot>(plot));
}

// y = a*x^2 + b*x + c as 100001 points; the passes before an overflow stay drawn.
void PlotParabola(const Single &a, const Single &b, const Single &c, const SurfaceSource &source);

} // namespace graph
