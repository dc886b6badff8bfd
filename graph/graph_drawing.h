#pragma once

#include "graph/axis_letters.h"
#include "graph/drawing_record.h"

#include <functional>
#include <utility>

namespace graph {

// The graph's persistent drawing at its device pixel ratio, with the record
// of what was drawn on it, from which it can be drawn again at any other.
class GraphDrawing
{
public:
    GraphDrawing(QSize logicalSize, double devicePixelRatio, Color backColor);

    [[nodiscard]] GraphSurface &surface() { return m_surface; }
    [[nodiscard]] const GraphSurface &surface() const { return m_surface; }
    [[nodiscard]] DrawingRecord &record() { return m_record; }
    [[nodiscard]] const DrawingRecord &record() const { return m_record; }
    [[nodiscard]] QSize logicalSize() const { return m_logicalSize; }
    // The color it shows before any grid is drawn.
    [[nodiscard]] Color backColor() const { return m_backColor; }

    // The letters its pictures carry over the drawing; none unless set.
    void setAxisLetters(AxisLetters letters) { m_axisLetters = std::move(letters); }
    [[nodiscard]] const AxisLetters &axisLetters() const { return m_axisLetters; }

    // Draws everything again at another ratio; the selected color stays.
    void setDevicePixelRatio(double devicePixelRatio);
    // The drawing as drawing it at that ratio from the start would give.
    [[nodiscard]] QImage rendered(double devicePixelRatio) const;
    // The picture of the graph at that ratio: the drawing's pixels, those of
    // the surface itself at its own ratio, with the axis letters over them.
    [[nodiscard]] QImage picture(double devicePixelRatio) const;

private:
    [[nodiscard]] GraphSurface replayed(double devicePixelRatio) const;

    QSize m_logicalSize;
    Color m_backColor; // before any grid is drawn
    GraphSurface m_surface;
    DrawingRecord m_record;
    AxisLetters m_axisLetters;
};

// Where recorded drawing goes: asking for it may load the window that shows
// it, so it is asked only once something is drawn.
using DrawingSource = std::function<GraphDrawing &()>;

// The graph routines, each noting in the drawing's record what it drew: a
// curve is noted once drawn, a parabola also when an error stopped it after
// some of its points, and nothing that drew nothing.
namespace recording {

void PlotPoint(Single &x, Single &y, const DrawingSource &source);
void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2, const DrawingSource &source);
void PlotLinear(const Single &m, const Single &c, const DrawingSource &source);
void PlotParabola(const Single &a, const Single &b, const Single &c, const DrawingSource &source);
void DrawGrid(GraphDrawing &drawing, const GridColors &colors);

} // namespace recording

} // namespace graph
