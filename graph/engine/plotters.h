#pragma once

#include "graph/engine/mapping.h"
#include "graph/engine/surface.h"

#include <QRectF>

#include <algorithm>
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

// The parabola loop's counter: a Double from -50 in steps of the Double
// nearest 0.001, so rounding accumulates.
constexpr double ParabolaStart = -50.0;
constexpr double ParabolaEnd = 50.0;
constexpr double ParabolaStep = 0.001;

// One pass's world (x, y) at the counter: each product and sum formed in
// double precision and stored to Single once, with its check.
inline void ParabolaPass(double counter, Single a, Single b, Single c, Single &x, Single &y)
{
    x = static_cast<Single>(counter);
    const double xd = x;
    const double square = xd * xd; // exact for a Single x
    const double t = square * static_cast<double>(a);
    const double u = xd * static_cast<double>(b);
    CheckDouble(t);
    CheckDouble(u);
    y = StoreSingle((t + u) + static_cast<double>(c));
}

// Runs the parabola's first passLimit passes (all 100001 unless fewer are
// asked for), handing each pass's world (x, y) to plot.
template <class Plot> void ForEachParabolaPass(Single a, Single b, Single c, std::int32_t passLimit, Plot &&plot)
{
    std::int32_t pass = 0;
    for (double counter = ParabolaStart; !(counter > ParabolaEnd) && pass < passLimit;
         counter += ParabolaStep, ++pass) {
        Single x = 0;
        Single y = 0;
        ParabolaPass(counter, a, b, c, x, y);
        plot(x, y);
    }
}

// Whether y = a*x^2 + b*x + c for x between from and to may come within a
// pixel or so of the canvas rectangle; generous enough to cover the rounding
// of the counter, of x and of y.
bool ParabolaMayReach(Single a, Single b, Single c, double from, double to, const QRectF &canvas);

// The passes of ForEachParabolaPass, for drawing a parabola again where only
// what lands near the canvas rectangle matters: of each thousand passes whose
// points all lie clearly outside it, only the first and the last are handed
// on, so that a run into or out of the rectangle still sees its neighbours.
template <class Plot>
void ForEachParabolaPassNear(Single a, Single b, Single c, std::int32_t passLimit, const QRectF &canvas, Plot &&plot)
{
    constexpr std::int32_t Block = 1000;
    std::int32_t pass = 0;
    std::int32_t blockLast = 0;
    bool near = true;
    for (double counter = ParabolaStart; !(counter > ParabolaEnd) && pass < passLimit;
         counter += ParabolaStep, ++pass) {
        const bool blockFirst = pass % Block == 0;
        if (blockFirst) {
            blockLast = std::min({pass + Block, passLimit, ParabolaPasses}) - 1;
            near = ParabolaMayReach(a, b, c, counter, counter + (blockLast - pass) * ParabolaStep, canvas);
        }
        if (!near && !blockFirst && pass != blockLast)
            continue;
        Single x = 0;
        Single y = 0;
        ParabolaPass(counter, a, b, c, x, y);
        plot(x, y);
    }
}

template <class Plot> void ForEachParabolaPass(Single a, Single b, Single c, Plot &&plot)
{
    ForEachParabolaPass(a, b, c, ParabolaPasses, std::forward<Plot>(plot));
}

} // namespace graph
