#pragma once

#include "graph/mapping.h"
#include "graph/surface.h"

#include <functional>

namespace graph {

// Where drawing goes: the graph window's surface. Asking for it may load the
// window, so it is asked only once something is to be drawn.
using SurfaceSource = std::function<GraphSurface &()>;

// The surface of one drawing call, fetched at its first pixel.
class Canvas
{
public:
    // cppcheck-suppress uninitMemberVar ; m_source is a reference, bound here
    explicit Canvas(const SurfaceSource &source) : m_source(source) {}

    void pset(Single X, Single Y) { pen().pset(X, Y); }
    void line(Single X1, Single Y1, Single X2, Single Y2) { pen().line(X1, Y1, X2, Y2); }

private:
    const PixelPen &pen()
    {
        if (!m_attached) [[unlikely]] {
            m_pen = m_source().pen();
            m_attached = true;
        }
        return m_pen;
    }

    const SurfaceSource &m_source;
    PixelPen m_pen;
    bool m_attached = false;
};

// Maps the world point to the canvas, leaving the canvas coordinates in the
// caller's variables, and sets that point.
inline void PlotPoint(Single &x, Single &y, Canvas &canvas)
{
    WorldToCanvas(x, y);
    canvas.pset(x, y);
}

void PlotPoint(Single &x, Single &y, const SurfaceSource &source);

// Maps both ends (each stored before the next is formed) and draws one line;
// nothing is drawn unless all four coordinates map.
void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2, const SurfaceSource &source);

struct GridColors
{
    Color background;
    Color grid;
    Color axis;
    Color plot;
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
