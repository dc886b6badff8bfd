#pragma once

#include "graph/engine/axis_letters.h"
#include "graph/engine/drawing_record.h"
#include "graph/engine/key_points.h"

#include <QObject>
#include <QUndoStack>

#include <map>
#include <optional>

namespace graph {

// What the graph shows, for the whole run: the record of what was drawn, the
// raster surface at the showing window's device pixel ratio, and the history
// of the user's steps. Windows show it and pictures are made from it; it
// names no window.
class GraphModel : public QObject
{
    Q_OBJECT

public:
    GraphModel(QSize logicalSize, Color freshColor, QObject *parent = nullptr);

    // The graph routines. Each is recorded, then drawn from its record; one
    // stopped by an error keeps what it drew before, and is still one change.
    // Point and segment leave the canvas coordinates in the caller's variables.
    void drawGrid(const GridColors &colors);
    void plotPoint(Single &x, Single &y);
    void plotSegment(Single &x1, Single &y1, Single &x2, Single &y2);
    void plotLinear(const Single &m, const Single &c);
    void plotParabola(const Single &a, const Single &b, const Single &c);
    // Wipes everything: the graph shows nothing but that color, as a newly
    // loaded window does. With the grid drawn after it, one step of history.
    void clear(Color freshColor);

    [[nodiscard]] const DrawingRecord &record() const { return m_record; }
    [[nodiscard]] const GraphSurface &surface() const { return m_surface; }
    [[nodiscard]] QSize logicalSize() const { return m_logicalSize; }

    // Draws everything again at another ratio.
    void setDevicePixelRatio(double devicePixelRatio);
    // The drawing as drawing it at that ratio from the start would give.
    [[nodiscard]] QImage rendered(double devicePixelRatio) const;
    // The picture of the graph at that ratio, with the axis letters over it.
    [[nodiscard]] QImage picture(double devicePixelRatio) const;

    // The letters its pictures carry over the drawing; none unless set.
    void setAxisLetters(AxisLetters letters) { m_axisLetters = std::move(letters); }
    [[nodiscard]] const AxisLetters &axisLetters() const { return m_axisLetters; }

    // Whether the key points of the curves are marked over the drawing, in
    // that color: not part of the drawing, but shown, copied, saved and
    // printed while marked.
    void setKeyPointsMarked(bool marked);
    [[nodiscard]] bool keyPointsMarked() const { return m_keyPointsMarked; }
    void setMarkColor(const QColor &color) { m_markColor = color; }
    [[nodiscard]] QColor markColor() const { return m_markColor; }

    // The curves open equation dialogs describe, one per dialog, sketched
    // over the drawing in the mark color while shown: never drawn, copied,
    // saved, printed or undone.
    void setTypedCurve(const QObject *dialog, std::optional<Polynomial> curve);
    [[nodiscard]] const std::map<const QObject *, Polynomial> &typedCurves() const { return m_typedCurves; }
    void setTypedCurvesShown(bool shown);
    [[nodiscard]] bool typedCurvesShown() const { return m_typedCurvesShown; }

    // Each drawn curve and each clearing is a step; undoing one draws the
    // graph again from the record as it stood before.
    [[nodiscard]] QUndoStack &history() { return m_history; }

    // Shows that record instead of the current one, drawing it afresh.
    void show(DrawingRecord record);

signals:
    // After each routine, each step undone or redone, and each change of
    // what is shown over the drawing.
    void changed();

private:
    template <class Curve> void draw(Curve curve);
    void recordDrawn(const RecordedCurve &curve);
    void completeClearing();
    [[nodiscard]] GraphSurface drawnAfresh(double devicePixelRatio) const;

    QSize m_logicalSize;
    DrawingRecord m_record;
    GraphSurface m_surface;
    AxisLetters m_axisLetters;
    bool m_keyPointsMarked = false;
    QColor m_markColor;
    std::map<const QObject *, Polynomial> m_typedCurves;
    bool m_typedCurvesShown = false;
    QUndoStack m_history;
    // What the last clearing wiped, until the grid drawn after it completes
    // the step.
    std::optional<DrawingRecord> m_wiped;
};

} // namespace graph
