#pragma once

#include "graph/engine/drawing_record.h"
#include "graph/engine/grid.h"
#include "graph/engine/plotters.h"

#include <QRectF>

namespace graph {

// Curves are drawn from their records only: when first drawn, and whenever
// drawn again at another ratio or into a picture. Each is mapped to the
// canvas as its graph routine maps it, every coordinate stored and checked,
// then drawn with the pen; an error raised on the way stops it there.

// The canvas rectangle a pen covers. Drawn again, a record is known to raise
// no error, so the parabola passes that land far outside may be skipped; when
// first drawn, every pass is formed, since an error arises at its own pass.
struct DrawArea
{
    QRectF canvas;
    bool again = false;
};

template <class Pen> void DrawCurve(const Pen &pen, const RecordedPoint &point)
{
    Single x = point.x;
    Single y = point.y;
    WorldToCanvas(x, y);
    pen.pset(x, y);
}

// Nothing is drawn unless all four coordinates map.
template <class Pen> void DrawCurve(const Pen &pen, const RecordedSegment &segment)
{
    Single x1 = segment.x1;
    Single y1 = segment.y1;
    Single x2 = segment.x2;
    Single y2 = segment.y2;
    WorldToCanvas(x1, y1);
    WorldToCanvas(x2, y2);
    pen.line(x1, y1, x2, y2);
}

template <class Pen> void DrawCurve(const Pen &pen, const RecordedLinear &linear)
{
    const LinearEnds ends = LinearSegment(linear.m, linear.c);
    DrawCurve(pen, RecordedSegment{ends.x1, ends.y1, ends.x2, ends.y2, linear.color});
}

// The record's passes, counted in drawn as each is set: after an error, the
// passes that stand.
template <class Pen>
void DrawCurve(const Pen &pen, const RecordedParabola &parabola, const DrawArea &area, std::int32_t &drawn)
{
    const auto plot = [&pen, &drawn](Single &x, Single &y) {
        WorldToCanvas(x, y);
        pen.pset(x, y);
        ++drawn;
    };
    if (area.again)
        ForEachParabolaPassNear(parabola.a, parabola.b, parabola.c, parabola.passes, area.canvas, plot);
    else
        ForEachParabolaPass(parabola.a, parabola.b, parabola.c, parabola.passes, plot);
}

template <class Pen> void DrawCurve(const Pen &pen, const RecordedCurve &curve, const DrawArea &area)
{
    std::visit(
        [&](const auto &drawn) {
            using Curve = std::decay_t<decltype(drawn)>;
            if constexpr (std::is_same_v<Curve, RecordedParabola>) {
                std::int32_t passes = 0;
                DrawCurve(pen, drawn, area, passes);
            } else {
                DrawCurve(pen, drawn);
            }
        },
        curve);
}

// The whole record drawn again on anything that draws like the surface, over
// an area of that logical size: the grid, then each curve after selecting its
// color.
template <class Target> void DrawRecord(const DrawingRecord &record, Target &target, QSizeF logicalSize)
{
    const DrawArea area{.canvas = QRectF(QPointF(), logicalSize * platform::TwipsPerPixel), .again = true};
    if (record.grid())
        DrawGrid(target, *record.grid());
    for (const RecordedCurve &curve : record.curves()) {
        std::visit([&target](const auto &drawn) { target.setForeColor(drawn.color); }, curve);
        DrawCurve(target.pen(), curve, area);
    }
}

} // namespace graph
