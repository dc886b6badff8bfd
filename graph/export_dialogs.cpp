#include "export_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
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
    QString suffix;
};

const std::array<FileKind, 4> &FileKinds()
{
    static const std::array<FileKind, 4> kinds{{
        {QStringLiteral("ภาพ PNG ขนาดเท่าหน้าต่าง (*.png)"), ImageFormat::Png, 1, QStringLiteral("png")},
        {QStringLiteral("ภาพ PNG ขนาด 2 เท่า (*.png)"), ImageFormat::Png, 2, QStringLiteral("png")},
        {QStringLiteral("ภาพ PNG ขนาด 4 เท่า (*.png)"), ImageFormat::Png, 4, QStringLiteral("png")},
        {QStringLiteral("ภาพเวกเตอร์ SVG (*.svg)"), ImageFormat::Svg, 1, QStringLiteral("svg")},
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
        QString chosenFilter = filters.front();
        QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("บันทึกภาพกราฟ"), QStringLiteral("กราฟ.png"),
                                                    filters.join(QStringLiteral(";;")), &chosenFilter);
        if (path.isEmpty())
            return std::nullopt;
        const FileKind &kind = FileKinds().at(std::max<qsizetype>(0, filters.indexOf(chosenFilter)));
        if (QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + kind.suffix;
        return SaveTarget{path, kind.format, kind.scale};
    }

    bool choosePrinter(QPrinter &printer, QWidget *parent) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("พิมพ์กราฟ"));
        return dialog.exec() == QDialog::Accepted;
    }
};

ExportDialogsFactory &CurrentFactory()
{
    static ExportDialogsFactory factory = [] { return std::make_unique<QtExportDialogs>(); };
    return factory;
}

} // namespace

std::unique_ptr<ExportDialogs> CreateExportDialogs()
{
    return CurrentFactory()();
}

ExportDialogsFactory SetExportDialogsFactory(ExportDialogsFactory factory)
{
    return std::exchange(CurrentFactory(), std::move(factory));
}

} // namespace graph
