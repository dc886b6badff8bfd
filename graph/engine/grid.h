#pragma once

#include "graph/engine/mapping.h"
#include "graph/engine/surface.h"

namespace graph {

struct GridColors
{
    Color background;
    Color grid;
    Color axis;
    Color plot;

    bool operator==(const GridColors &) const = default;
};

// Background, the 71 + 71 grid lines at canvas 0, 100, ... 7000, the two axes
// over them, and the plot color left selected for the curves to come. The
// target is the surface, or anything drawing like it.
template <class Target> void DrawGrid(Target &target, const GridColors &colors)
{
    using platform::Integer;
    constexpr Integer GridEnd = 7000;
    constexpr Integer GridStep = 100;
    constexpr Single AxisAt = 3500;

    target.setBackColor(colors.background);
    target.setForeColor(colors.grid);
    for (Integer i = 0; i <= GridEnd; i = platform::AddInteger(i, GridStep))
        target.line(i, 0, i, GridEnd);
    for (Integer i = 0; i <= GridEnd; i = platform::AddInteger(i, GridStep))
        target.line(0, i, GridEnd, i);
    target.setForeColor(colors.axis);
    target.line(0, AxisAt, GridEnd, AxisAt);
    target.line(AxisAt, 0, AxisAt, GridEnd);
    target.setForeColor(colors.plot);
}

} // namespace graph
