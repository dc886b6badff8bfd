#include "graph_drawing.h"

#include "plotters.h"

#include <utility>

namespace graph {

GraphDrawing::GraphDrawing(QSize logicalSize, double devicePixelRatio, Color backColor)
    : m_logicalSize(logicalSize), m_backColor(backColor),
      m_surface(logicalSize, devicePixelRatio, platform::ToQRgb(backColor))
{}

GraphSurface GraphDrawing::replayed(double devicePixelRatio) const
{
    GraphSurface fresh(m_logicalSize, devicePixelRatio, platform::ToQRgb(m_backColor));
    m_record.replay(fresh);
    return fresh;
}

void GraphDrawing::setDevicePixelRatio(double devicePixelRatio)
{
    GraphSurface fresh = replayed(devicePixelRatio);
    fresh.setForeColor(m_surface.foreColor());
    m_surface = std::move(fresh);
}

QImage GraphDrawing::rendered(double devicePixelRatio) const
{
    return replayed(devicePixelRatio).image();
}

QImage GraphDrawing::picture(double devicePixelRatio) const
{
    const bool own = devicePixelRatio == m_surface.devicePixelRatio();
    return WithAxisLetters(own ? m_surface.image() : rendered(devicePixelRatio), m_axisLetters);
}

namespace recording {

namespace {

SurfaceSource SurfaceOf(const DrawingSource &source)
{
    return [&source]() -> GraphSurface & { return source().surface(); };
}

void Note(const DrawingSource &source, const auto &makeCurve)
{
    GraphDrawing &drawing = source();
    drawing.record().recordCurve(makeCurve(drawing.surface().foreColor()));
}

} // namespace

void PlotPoint(Single &x, Single &y, const DrawingSource &source)
{
    const Single worldX = x;
    const Single worldY = y;
    graph::PlotPoint(x, y, SurfaceOf(source));
    Note(source, [&](Color color) { return RecordedPoint{worldX, worldY, color}; });
}

void PlotSegment(Single &x1, Single &y1, Single &x2, Single &y2, const DrawingSource &source)
{
    RecordedSegment world{x1, y1, x2, y2, 0};
    graph::PlotSegment(x1, y1, x2, y2, SurfaceOf(source));
    Note(source, [&](Color color) {
        world.color = color;
        return world;
    });
}

void PlotLinear(const Single &m, const Single &c, const DrawingSource &source)
{
    graph::PlotLinear(m, c, SurfaceOf(source));
    Note(source, [&](Color color) { return RecordedLinear{m, c, color}; });
}

void PlotParabola(const Single &a, const Single &b, const Single &c, const DrawingSource &source)
{
    const SurfaceSource surface = SurfaceOf(source);
    Canvas canvas(surface);
    std::int32_t passes = 0;
    const auto note = [&] {
        if (passes > 0)
            Note(source, [&](Color color) { return RecordedParabola{a, b, c, color, passes}; });
    };
    try {
        ForEachParabolaPass(a, b, c, [&](Single &x, Single &y) {
            graph::PlotPoint(x, y, canvas);
            ++passes;
        });
    } catch (const platform::RuntimeError &) {
        note();
        throw;
    }
    note();
}

void DrawGrid(GraphDrawing &drawing, const GridColors &colors)
{
    graph::DrawGrid(drawing.surface(), colors);
    drawing.record().recordGrid(colors);
}

} // namespace recording

} // namespace graph
