#include "typed_curve.h"

#include "graph/engine/mapping.h"
#include "platform/core/twips.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace graph {

void PaintTypedCurve(QPainter &painter, const Polynomial &curve, const QColor &color)
{
    // A sample every half logical pixel across the graph; a point far off
    // the graph is held a little outside it, where a painter still draws
    // exactly, and is clipped there.
    constexpr double WorldEdge = 35.0;
    constexpr double Reach = 40.0;
    const double step = 0.5 * platform::TwipsPerPixel / CanvasPerWorld;
    const auto samples = static_cast<int>(std::lround(2 * WorldEdge / step));
    QPolygonF line;
    for (int sample = 0; sample <= samples; ++sample) {
        const double x = -WorldEdge + sample * step;
        line << LogicalPoint(QPointF(x, std::clamp(curve.at(x), -Reach, Reach)));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, 1.0, Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawPolyline(line);
    painter.restore();
}

} // namespace graph
