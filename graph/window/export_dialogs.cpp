#include "export_dialogs.h"

#include "graph/engine/lesson.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#ifdef Q_OS_WASM
#include <QDir>
#include <QFile>
#include <QTimer>
#endif

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

// clang-format off
constexpr std::array FileKinds{
    //: A kind of file in the save dialog; keep the pattern in brackets.
    FileKind{QT_TRANSLATE_NOOP("ExportDialogs", "ภาพ PNG ขนาดเท่าหน้าต่าง (*.png)"), ImageFormat::Png, 1},
    //: A kind of file in the save dialog: twice the window's size.
    FileKind{QT_TRANSLATE_NOOP("ExportDialogs", "ภาพ PNG ขนาด 2 เท่า (*.png)"),    ImageFormat::Png, 2},
    //: A kind of file in the save dialog: four times the window's size.
    FileKind{QT_TRANSLATE_NOOP("ExportDialogs", "ภาพ PNG ขนาด 4 เท่า (*.png)"),    ImageFormat::Png, 4},
    //: A kind of file in the save dialog.
    FileKind{QT_TRANSLATE_NOOP("ExportDialogs", "ภาพเวกเตอร์ SVG (*.svg)"),       ImageFormat::Svg, 1},
    //: The save kind that writes the printed page, graph and equations, as a PDF file.
    FileKind{QT_TRANSLATE_NOOP("ExportDialogs", "เอกสาร PDF หน้ากระดาษ A4 (*.pdf)"), ImageFormat::Pdf, 1},
};
// clang-format on

// Resolves the typed name before the dialog accepts it, so that the dialog
// asks before replacing the file actually written, not the one typed.
class SaveDialog : public QFileDialog
{
public:
    SaveDialog(QWidget *parent, const QString &caption) : QFileDialog(parent, caption)
    {
        setAcceptMode(QFileDialog::AcceptSave);
        for (const FileKind &kind : FileKinds)
            m_filters << QCoreApplication::translate("ExportDialogs", kind.filter);
        setNameFilters(m_filters);
        //: The file name the save dialog proposes.
        selectFile(QCoreApplication::translate("ExportDialogs", "กราฟ.png"));
        setDefaultSuffix(SuffixOf(FileKinds.front().format));
        // A native dialog, which accepts without asking accept(), appends
        // the chosen kind's suffix to a name typed without one.
        connect(this, &QFileDialog::filterSelected, this,
                [this](const QString &filter) { setDefaultSuffix(SuffixOf(kindOf(filter).format)); });
    }

    [[nodiscard]] SaveTarget chosen() const
    {
        const FileKind &kind = kindOf(selectedNameFilter());
        return ResolveSaveTarget(selectedFiles().value(0), {{}, kind.format, kind.scale});
    }

protected:
    void accept() override
    {
        // The kind may have been chosen without filterSelected being sent.
        setDefaultSuffix(SuffixOf(kindOf(selectedNameFilter()).format));
        const QString typed = selectedFiles().value(0);
        if (!typed.isEmpty() && !QFileInfo(typed).isDir()) {
            const QString path = chosen().path;
            if (path != typed)
                selectFile(path);
        }
        QFileDialog::accept();
    }

private:
    [[nodiscard]] const FileKind &kindOf(const QString &filter) const
    {
        return FileKinds.at(static_cast<std::size_t>(std::max<qsizetype>(0, m_filters.indexOf(filter))));
    }

    QStringList m_filters;
};

#ifdef Q_OS_WASM
// Where a file of that name lives in the page's own memory.
QString InPageMemory(const QString &name)
{
    return QDir(QDir::tempPath()).filePath(QFileInfo(name).fileName());
}

// A page cannot write the visitor's files: the graph is written to the page's
// own memory, then handed to the browser as a download once the caller has
// finished writing it (the caller writes before the event loop runs again).
QString DownloadLater(const QString &name)
{
    const QString path = InPageMemory(name);
    QTimer::singleShot(0, [path] {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            QFileDialog::saveFileContent(file.readAll(), QFileInfo(path).fileName());
        file.remove();
    });
    return path;
}
#endif

class QtExportDialogs : public ExportDialogs
{
    Q_DECLARE_TR_FUNCTIONS(ExportDialogs)

public:
    std::optional<SaveTarget> chooseSaveTarget(QWidget *parent) override
    {
        //: Title of the dialog that asks for a file to save the graph in.
        SaveDialog dialog(parent, tr("บันทึกภาพกราฟ"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
#ifdef Q_OS_WASM
        SaveTarget target = dialog.chosen();
        target.path = DownloadLater(target.path);
        return target;
#else
        return dialog.chosen();
#endif
    }

    bool choosePrinter(QPrinter &printer, QWidget *parent) override
    {
#ifdef Q_OS_WASM
        // The browser's own printing starts from the PDF it opens.
        Q_UNUSED(parent);
        printer.setOutputFormat(QPrinter::PdfFormat);
        // Named as the save dialog names the graph.
        const QString name = QFileInfo(QCoreApplication::translate("ExportDialogs", "กราฟ.png")).completeBaseName();
        printer.setOutputFileName(DownloadLater(name + QStringLiteral(".pdf")));
        return true;
#else
        QPrintDialog dialog(&printer, parent);
        //: Title of the dialog that asks for a printer.
        dialog.setWindowTitle(tr("พิมพ์กราฟ"));
        return dialog.exec() == QDialog::Accepted;
#endif
    }

    std::optional<QString> chooseLessonToSave(QWidget *parent) override
    {
        //: Title of the dialog that asks for a file to save the lesson in.
        QFileDialog dialog(parent, tr("บันทึกบทเรียน"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(LessonFilter());
        dialog.setDefaultSuffix(QLatin1String(LessonSuffix));
        //: The file name the dialog that saves a lesson proposes.
        dialog.selectFile(tr("บทเรียน.curvista"));
#ifdef Q_OS_WASM
        // Written to the page's memory alone, the lesson would be lost.
        const std::optional<QString> name = Chosen(dialog);
        return name ? std::optional(DownloadLater(*name)) : std::nullopt;
#else
        return Chosen(dialog);
#endif
    }

    void chooseLessonToOpen(QWidget *parent, std::function<void(const QString &path)> open) override
    {
#ifdef Q_OS_WASM
        // The visitor's files are read through the browser's own dialog.
        Q_UNUSED(parent);
        QFileDialog::getOpenFileContent(
            LessonFilter(), [open = std::move(open)](const QString &name, const QByteArray &content) {
                if (name.isEmpty())
                    return;
                const QString path = InPageMemory(name);
                QFile file(path);
                if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush())
                    open(path);
                file.remove();
            });
#else
        //: Title of the dialog that asks for a lesson file to open.
        QFileDialog dialog(parent, tr("เปิดบทเรียน"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(LessonFilter());
        if (const std::optional<QString> path = Chosen(dialog))
            open(*path);
#endif
    }

private:
    //: The kind of file lessons are, in the lesson dialogs; keep the pattern in brackets.
    static QString LessonFilter()
    {
        return tr("บทเรียน Curvista (*.curvista)");
    }

    static std::optional<QString> Chosen(QFileDialog &dialog)
    {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().front();
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
