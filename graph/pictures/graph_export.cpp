#include "graph_export.h"

#include "graph_page.h"
#include "graph_shapes.h"
#include "svg_writer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>

namespace graph {

namespace {

constexpr std::array KnownFormats{ImageFormat::Png, ImageFormat::Svg, ImageFormat::Pdf};

bool WritePng(const GraphModel &drawing, int scale, QIODevice &device)
{
    return drawing.picture(scale).save(&device, "PNG");
}

bool WritePdf(const GraphModel &drawing, QIODevice &device)
{
    constexpr double MarginMillimetres = 15.0;
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Curvista"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                    QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PrintGraph(drawing, painter, writer, QDate::currentDate());
    return painter.end();
}

bool Write(const GraphModel &drawing, const SaveTarget &target, QIODevice &device)
{
    switch (target.format) {
    case ImageFormat::Png:
        return WritePng(drawing, target.scale, device);
    case ImageFormat::Svg:
        return WriteSvg(ShapesOf(drawing), device);
    case ImageFormat::Pdf:
        return WritePdf(drawing, device);
    }
    return false;
}

} // namespace

QString SuffixOf(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Png:
        return QStringLiteral("png");
    case ImageFormat::Svg:
        return QStringLiteral("svg");
    case ImageFormat::Pdf:
        return QStringLiteral("pdf");
    }
    return {};
}

SaveTarget ResolveSaveTarget(const QString &typedPath, const SaveTarget &selected)
{
    const QString suffix = QFileInfo(typedPath).suffix();
    const auto *known = std::find_if(KnownFormats.begin(), KnownFormats.end(), [&suffix](ImageFormat format) {
        return suffix.compare(SuffixOf(format), Qt::CaseInsensitive) == 0;
    });
    if (known != KnownFormats.end())
        return {typedPath, *known, *known == selected.format ? selected.scale : 1};
    // "graph." already ends in the dot.
    const QString dot = typedPath.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    return {typedPath + dot + SuffixOf(selected.format), selected.format, selected.scale};
}

void SaveGraph(const GraphModel &drawing, const SaveTarget &target)
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

} // namespace graph
