#include "graph_export.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

namespace graph {

namespace {

bool WritePng(const GraphDrawing &drawing, int scale, QIODevice &device)
{
    return drawing.rendered(scale).save(&device, "PNG");
}

bool WriteSvg(const GraphDrawing &drawing, QIODevice &device)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(drawing.logicalSize());
    generator.setViewBox(QRect(QPoint(), drawing.logicalSize()));
    generator.setResolution(96); // logical pixels, as on a screen at 100 %
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    drawing.paint(painter);
    return painter.end();
}

bool Write(const GraphDrawing &drawing, const SaveTarget &target, QIODevice &device)
{
    switch (target.format) {
    case ImageFormat::Png:
        return WritePng(drawing, target.scale, device);
    case ImageFormat::Svg:
        return WriteSvg(drawing, device);
    }
    return false;
}

} // namespace

void SaveGraph(const GraphDrawing &drawing, const SaveTarget &target)
{
    // Written beside the target and renamed over it once complete.
    QSaveFile file(target.path);
    if (file.open(QIODevice::WriteOnly) && Write(drawing, target, file) && file.commit())
        return;
    //: Why a save failed, when the system gives no reason.
    const QString reason =
        file.errorString().isEmpty() ? QCoreApplication::translate("SaveGraph", "write error") : file.errorString();
    //: A runtime error's message: %1 is the file, %2 the system's reason.
    const QString message = QCoreApplication::translate("SaveGraph", "บันทึกภาพกราฟลงแฟ้มนี้ไม่ได้:\n%1\n\n(%2)");
    throw platform::RuntimeError(platform::ErrorCode::PathFileAccessError, message.arg(target.path, reason));
}

void PaintOnPage(const GraphDrawing &drawing, QPainter &painter, QRectF page)
{
    const QSizeF size(drawing.logicalSize());
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2.0);
    painter.scale(scale, scale);
    drawing.paint(painter);
    painter.restore();
}

} // namespace graph
