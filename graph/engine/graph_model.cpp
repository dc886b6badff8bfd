#include "graph_model.h"

#include "graph/engine/curve_drawing.h"
#include "graph/engine/key_points.h"

#include <QPainter>

#include <QScopeGuard>
#include <QUndoCommand>

#include <utility>

namespace graph {

namespace {

// One drawn curve. It stands on the graph once pushed: only a redo after an
// undo draws it again.
class CurveStep : public QUndoCommand
{
public:
    CurveStep(GraphModel &model, RecordedCurve curve) : m_model(model), m_curve(curve) {}

    void undo() override
    {
        DrawingRecord record = m_model.record();
        record.removeLastCurve();
        m_model.show(std::move(record));
    }

    void redo() override
    {
        if (std::exchange(m_pushed, false))
            return;
        DrawingRecord record = m_model.record();
        record.recordCurve(m_curve);
        m_model.show(std::move(record));
    }

private:
    GraphModel &m_model;
    RecordedCurve m_curve;
    bool m_pushed = true;
};

// One clearing, the grid drawn after it included: what it wiped, and what it
// left.
class ClearingStep : public QUndoCommand
{
public:
    ClearingStep(GraphModel &model, DrawingRecord wiped, DrawingRecord left)
        : m_model(model), m_wiped(std::move(wiped)), m_left(std::move(left))
    {}

    void undo() override { m_model.show(m_wiped); }

    void redo() override
    {
        if (!std::exchange(m_pushed, false))
            m_model.show(m_left);
    }

private:
    GraphModel &m_model;
    DrawingRecord m_wiped;
    DrawingRecord m_left;
    bool m_pushed = true;
};

} // namespace

GraphModel::GraphModel(QSize logicalSize, Color freshColor, QObject *parent)
    : QObject(parent), m_logicalSize(logicalSize), m_record(freshColor), m_surface(logicalSize, 1.0, freshColor)
{}

void GraphModel::clear(Color freshColor)
{
    const auto shown = qScopeGuard([this] { emit changed(); });
    DrawingRecord wiped = std::exchange(m_record, DrawingRecord(freshColor));
    if (!m_wiped)
        m_wiped = std::move(wiped);
    m_surface.setBackColor(freshColor);
}

void GraphModel::drawGrid(const GridColors &colors)
{
    const auto shown = qScopeGuard([this] { emit changed(); });
    if (!m_wiped)
        m_wiped = m_record;
    DrawGrid(m_surface, colors);
    m_record.recordGrid(colors);
    completeClearing();
}

// A clearing that wiped nothing the user drew, and changed no color, is no
// step: the graph looks as it did. The first grid of the run is none either.
void GraphModel::completeClearing()
{
    if (!m_wiped)
        return;
    DrawingRecord wiped = *std::exchange(m_wiped, std::nullopt);
    const bool unchanged = wiped.curves().empty() && wiped.grid() == m_record.grid();
    if (!wiped.empty() && !unchanged)
        m_history.push(new ClearingStep(*this, std::move(wiped), m_record));
}

template <class Curve> void GraphModel::draw(Curve curve)
{
    m_surface.setForeColor(curve.color);
    if constexpr (std::is_same_v<Curve, RecordedParabola>) {
        std::int32_t drawn = 0;
        // The passes drawn before an error stay, and are what was drawn.
        const auto recorded = qScopeGuard([&] {
            curve.passes = drawn;
            if (drawn > 0)
                recordDrawn(curve);
        });
        DrawCurve(m_surface.pen(), curve, DrawArea{}, drawn);
    } else {
        DrawCurve(m_surface.pen(), curve);
        recordDrawn(curve);
    }
}

void GraphModel::recordDrawn(const RecordedCurve &curve)
{
    completeClearing();
    m_record.recordCurve(curve);
    m_history.push(new CurveStep(*this, curve));
}

void GraphModel::plotPoint(Single &x, Single &y)
{
    const auto shown = qScopeGuard([this] { emit changed(); });
    const RecordedPoint point{x, y, m_record.foreColor()};
    WorldToCanvas(x, y);
    draw(point);
}

void GraphModel::plotSegment(Single &x1, Single &y1, Single &x2, Single &y2)
{
    const auto shown = qScopeGuard([this] { emit changed(); });
    const RecordedSegment segment{x1, y1, x2, y2, m_record.foreColor()};
    WorldToCanvas(x1, y1);
    WorldToCanvas(x2, y2);
    draw(segment);
}

void GraphModel::plotLinear(const Single &m, const Single &c)
{
    const auto shown = qScopeGuard([this] { emit changed(); });
    draw(RecordedLinear{m, c, m_record.foreColor()});
}

void GraphModel::plotParabola(const Single &a, const Single &b, const Single &c)
{
    const auto shown = qScopeGuard([this] { emit changed(); });
    draw(RecordedParabola{a, b, c, m_record.foreColor(), ParabolaPasses});
}

GraphSurface GraphModel::drawnAfresh(double devicePixelRatio) const
{
    GraphSurface fresh(m_logicalSize, devicePixelRatio, m_record.freshColor());
    DrawRecord(m_record, fresh, QSizeF(m_logicalSize));
    return fresh;
}

void GraphModel::show(DrawingRecord record)
{
    m_wiped.reset();
    m_record = std::move(record);
    m_surface = drawnAfresh(m_surface.devicePixelRatio());
    emit changed();
}

void GraphModel::setDevicePixelRatio(double devicePixelRatio)
{
    if (devicePixelRatio == m_surface.devicePixelRatio())
        return;
    m_surface = drawnAfresh(devicePixelRatio);
    emit changed();
}

QImage GraphModel::rendered(double devicePixelRatio) const
{
    return drawnAfresh(devicePixelRatio).image();
}

void GraphModel::setKeyPointsMarked(bool marked)
{
    m_keyPointsMarked = marked;
    emit changed();
}

void GraphModel::setTypedCurve(const QObject *dialog, std::optional<Polynomial> curve)
{
    if (curve)
        m_typedCurves[dialog] = *curve;
    else if (m_typedCurves.erase(dialog) == 0)
        return;
    if (m_typedCurvesShown)
        emit changed();
}

void GraphModel::setTypedCurvesShown(bool shown)
{
    m_typedCurvesShown = shown;
    emit changed();
}

QImage GraphModel::picture(double devicePixelRatio) const
{
    const bool own = devicePixelRatio == m_surface.devicePixelRatio();
    QImage picture = WithAxisLetters(own ? m_surface.image() : rendered(devicePixelRatio), m_axisLetters);
    if (m_keyPointsMarked) {
        QPainter painter(&picture);
        PaintKeyPoints(painter, KeyPointsOf(m_record), m_markColor);
    }
    return picture;
}

} // namespace graph
