#include "export_dialogs.h"

#include <QCoreApplication>
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
    const char *filter; // translated where shown
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
        //: A kind of file in the save dialog; keep the pattern in brackets.
        {QT_TRANSLATE_NOOP("ExportDialogs", "ภาพ PNG ขนาดเท่าหน้าต่าง (*.png)"), ImageFormat::Png, 1},
        //: A kind of file in the save dialog: twice the window's size.
        {QT_TRANSLATE_NOOP("ExportDialogs", "ภาพ PNG ขนาด 2 เท่า (*.png)"), ImageFormat::Png, 2},
        //: A kind of file in the save dialog: four times the window's size.
        {QT_TRANSLATE_NOOP("ExportDialogs", "ภาพ PNG ขนาด 4 เท่า (*.png)"), ImageFormat::Png, 4},
        //: A kind of file in the save dialog.
        {QT_TRANSLATE_NOOP("ExportDialogs", "ภาพเวกเตอร์ SVG (*.svg)"), ImageFormat::Svg, 1},
    }};
    return kinds;
}

class QtExportDialogs : public ExportDialogs
{
    Q_DECLARE_TR_FUNCTIONS(ExportDialogs)

public:
    std::optional<SaveTarget> chooseSaveTarget(QWidget *parent) override
    {
        QStringList filters;
        for (const FileKind &kind : FileKinds())
            filters << tr(kind.filter);
        const auto kindOf = [&filters](const QString &filter) -> const FileKind & {
            return FileKinds().at(std::max<qsizetype>(0, filters.indexOf(filter)));
        };
        //: Title of the dialog that asks for a file to save the graph in.
        QFileDialog dialog(parent, tr("บันทึกภาพกราฟ"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        //: The file name the save dialog proposes.
        dialog.selectFile(tr("กราฟ.png"));
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
        //: Title of the dialog that asks for a printer.
        dialog.setWindowTitle(tr("พิมพ์กราฟ"));
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
