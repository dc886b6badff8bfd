#pragma once

#include "graph/drawing_record.h"
#include "graph/plotters.h"

namespace graph::replay {

// Each curve as its graph routine draws it: mapped to the canvas, then drawn
// with the pen of the color it was drawn in.
template <class Pen> void Draw(const Pen &pen, const RecordedPoint &point, const QRectF & /*canvas*/)
{
    Single x = point.x;
    Single y = point.y;
    WorldToCanvas(x, y);
    pen.pset(x, y);
}

template <class Pen> void Draw(const Pen &pen, const RecordedSegment &segment, const QRectF & /*canvas*/)
{
    Single x1 = segment.x1;
    Single y1 = segment.y1;
    Single x2 = segment.x2;
    Single y2 = segment.y2;
    WorldToCanvas(x1, y1);
    WorldToCanvas(x2, y2);
    pen.line(x1, y1, x2, y2);
}

template <class Pen> void Draw(const Pen &pen, const RecordedLinear &linear, const QRectF &canvas)
{
    const LinearEnds ends = LinearSegment(linear.m, linear.c);
    Draw(pen, RecordedSegment{ends.x1, ends.y1, ends.x2, ends.y2, linear.color}, canvas);
}

// Points far outside set nothing, and most of them need not be formed again.
template <class Pen> void Draw(const Pen &pen, const RecordedParabola &parabola, const QRectF &canvas)
{
    ForEachParabolaPassNear(parabola.a, parabola.b, parabola.c, parabola.passes, canvas, [&pen](Single &x, Single &y) {
        WorldToCanvas(x, y);
        pen.pset(x, y);
    });
}

// The whole record drawn again on anything that draws like the surface, over
// an area of that logical size: the grid, then each curve after selecting its
// color.
template <class Target> void Replay(const DrawingRecord &record, Target &target, QSizeF logicalSize)
{
    const QRectF canvas(QPointF(), logicalSize * platform::TwipsPerPixel);
    if (record.grid())
        DrawGrid(target, *record.grid());
    for (const RecordedCurve &curve : record.curves()) {
        std::visit(
            [&target, &canvas](const auto &drawn) {
                target.setForeColor(drawn.color);
                Draw(target.pen(), drawn, canvas);
            },
            curve);
    }
}

} // namespace graph::replay
