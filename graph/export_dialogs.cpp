#include "export_dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <utility>

namespace graph {

namespace {

struct FileKind
{
    QString filter;
    ImageFormat format;
    int scale;
};

QString SuffixOf(ImageFormat format)
{
    return format == ImageFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png");
}

const std::array<FileKind, 4> &FileKinds()
{
    static const std::array<FileKind, 4> kinds{{
        {QStringLiteral("ภาพ PNG ขนาดเท่าหน้าต่าง (*.png)"), ImageFormat::Png, 1},
        {QStringLiteral("ภาพ PNG ขนาด 2 เท่า (*.png)"), ImageFormat::Png, 2},
        {QStringLiteral("ภาพ PNG ขนาด 4 เท่า (*.png)"), ImageFormat::Png, 4},
        {QStringLiteral("ภาพเวกเตอร์ SVG (*.svg)"), ImageFormat::Svg, 1},
    }};
    return kinds;
}

class QtExportDialogs : public ExportDialogs
{
public:
    std::optional<SaveTarget> chooseSaveTarget(QWidget *parent) override
    {
        QStringList filters;
        for (const FileKind &kind : FileKinds())
            filters << kind.filter;
        const auto kindOf = [&filters](const QString &filter) -> const FileKind & {
            return FileKinds().at(std::max<qsizetype>(0, filters.indexOf(filter)));
        };
        QFileDialog dialog(parent, QStringLiteral("บันทึกภาพกราฟ"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.selectFile(QStringLiteral("กราฟ.png"));
        dialog.setDefaultSuffix(SuffixOf(FileKinds().front().format));
        // A name typed without a suffix gets the chosen kind's.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&](const QString &filter) { dialog.setDefaultSuffix(SuffixOf(kindOf(filter).format)); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const FileKind &kind = kindOf(dialog.selectedNameFilter());
        return SaveTarget{dialog.selectedFiles().front(), kind.format, kind.scale};
    }

    bool choosePrinter(QPrinter &printer, QWidget *parent) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("พิมพ์กราฟ"));
        return dialog.exec() == QDialog::Accepted;
    }
};

} // namespace

std::unique_ptr<ExportDialogs> CreateExportDialogs()
{
    return platform::CurrentFactory<ExportDialogs, QtExportDialogs>()();
}

ExportDialogsFactory SetExportDialogsFactory(ExportDialogsFactory factory)
{
    return platform::ReplaceFactory<ExportDialogs, QtExportDialogs>(std::move(factory));
}

} // namespace graph
