#include "app/pictures.h"
#include "app_test_support.h"
#include "document_support.h"
#include "graph/window/export_dialogs.h"
#include "graph_script_support.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolTip>

using namespace platform;

namespace {

// The page the PDF is saved on, chosen here for the printer too.
QPageLayout A4Page()
{
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter};
}

// What the file and print dialogs answer, and how often they were asked.
struct DialogAnswers
{
    std::optional<graph::SaveTarget> saveTarget; // nothing: cancelled
    QString pdfPath;                             // empty: cancelled
    int saveAsked = 0;
    int printAsked = 0;
    int loopsWhenAsked = 0;        // event loops running when a file was asked for
    std::optional<QString> lesson; // nothing: cancelled
};

class AnsweringDialogs : public graph::ExportDialogs
{
public:
    explicit AnsweringDialogs(DialogAnswers &answers) : m_answers(answers) {}

    std::optional<graph::SaveTarget> chooseSaveTarget(QWidget *) override
    {
        ++m_answers.saveAsked;
        m_answers.loopsWhenAsked = QThread::currentThread()->loopLevel();
        return m_answers.saveTarget;
    }

    bool choosePrinter(QPrinter &printer, QWidget *) override
    {
        ++m_answers.printAsked;
        if (m_answers.pdfPath.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_answers.pdfPath);
        printer.setPageLayout(A4Page());
        return true;
    }

    std::optional<QString> chooseLessonToSave(QWidget *) override { return m_answers.lesson; }
    void chooseLessonToOpen(QWidget *, std::function<void(const QString &)> open) override
    {
        if (m_answers.lesson)
            open(*m_answers.lesson);
    }

private:
    DialogAnswers &m_answers;
};

// The action of that text among the widget's, or null.
QAction *ActionNamed(const QWidget &widget, const QString &text)
{
    const QList<QAction *> actions = widget.actions();
    const auto found = std::find_if(actions.begin(), actions.end(), [&](QAction *a) { return a->text() == text; });
    return found == actions.end() ? nullptr : *found;
}

// The graph window, shown and active, with the grid, a red parabola and a line.
frmGraph &DrawnGraph()
{
    graph_mdl::BackgroundColor = RGB(255, 255, 255);
    graph_mdl::GridColor = RGB(220, 220, 220);
    graph_mdl::AxisColor = RGB(100, 100, 100);
    graph_mdl::PlotColor = RGB(255, 0, 0);
    graph_mdl::DrawGrid();
    graph_mdl::PlotParabola(0.1f, 0, -20);
    graph_mdl::PlotLinear(1, 10);
    frmGraph &graph = Instance<frmGraph>();
    graph.Show();
    graph.activateWindow();
    if (!QTest::qWaitForWindowActive(&graph))
        qWarning("graph window not active");
    return graph;
}

// The same drawing made at a ratio from the start, without the window.
QImage DrawnGraphAt(double ratio)
{
    return scripts::DrawnAt(ratio, [](graph::GraphModel &drawing) {
        graph::GridColors colors = scripts::Light;
        colors.plot = RGB(255, 0, 0);
        scripts::Grid(drawing, colors);
        scripts::Parabola(drawing, 0.1f, 0, -20);
        scripts::Linear(drawing, 1, 10);
    });
}

QStringList PopupEntries()
{
    QStringList entries;
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        for (const QAction *action : menu->actions())
            entries << action->text() + QLatin1Char('\t') + action->shortcut().toString();
        menu->close();
    }
    return entries;
}

// The axis letters' ink: nothing else on the graph or its page is this dark.
bool LetterInk(QRgb pixel)
{
    return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// The four axis labels' places in the window's client area.
QList<QRectF> AxisLabelPlaces(const frmGraph &graph)
{
    QList<QRectF> places;
    for (const char *name : {"Label1", "Label2", "Label3", "Label4"})
        places << QRectF(graph.control<QLabel>(name)->geometry());
    return places;
}

// Whether the images agree everywhere outside the rectangle.
bool SameOutside(const QImage &a, const QImage &b, const QRect &excluded)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!excluded.contains(x, y) && a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

} // namespace

class TestGraphCommands : public QObject
{
    Q_OBJECT

    DialogAnswers m_answers;
    graph::ExportDialogsFactory m_previous;

private slots:
    void init()
    {
        ResetProgram();
        m_answers = {};
        m_previous = graph::SetExportDialogsFactory([this] { return std::make_unique<AnsweringDialogs>(m_answers); });
    }
    void cleanup()
    {
        graph::SetExportDialogsFactory(m_previous);
        ResetProgram();
    }

    void contextMenuOffersCopySaveAndPrint_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("right click") << static_cast<int>(QContextMenuEvent::Mouse);
        QTest::newRow("menu key") << static_cast<int>(QContextMenuEvent::Keyboard);
    }
    void contextMenuOffersCopySaveAndPrint()
    {
        QFETCH(int, reason);
        frmGraph &graph = DrawnGraph();
        QStringList entries;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QApplication::activePopupWidget())
                entries = PopupEntries();
        });
        poll.start(10);
        const QPoint at(100, 120);
        QContextMenuEvent event(static_cast<QContextMenuEvent::Reason>(reason), at, graph.mapToGlobal(at));
        QApplication::sendEvent(&graph, &event);
        QCOMPARE(entries,
                 QStringList({QStringLiteral("คัดลอกภาพกราฟ\tCtrl+C"), QStringLiteral("บันทึกภาพกราฟ…\tCtrl+S"),
                              QStringLiteral("พิมพ์กราฟ…\tCtrl+P"), QStringLiteral("\t"), QStringLiteral("เลิกทำ\tCtrl+Z"),
                              QStringLiteral("ทำซ้ำ\tCtrl+Y"), QStringLiteral("\t"), QStringLiteral("แสดงจุดสำคัญ\t"),
                              QStringLiteral("แสดงเส้นกราฟขณะพิมพ์\t"), QStringLiteral("\t"),
                              QStringLiteral("บันทึกบทเรียน…\t"), QStringLiteral("เปิดบทเรียน…\tCtrl+O")}));
    }

    // An entry chosen from the menu acts once, after the menu has closed: a
    // dialog it opens never waits inside the menu.
    void aMenuEntryActsOnceTheMenuHasClosed_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("onAfterwards"); // a command checked, or enabled, by the entry's act
        QTest::newRow("save asks for a file") << QStringLiteral("บันทึกภาพกราฟ…") << QString();
        QTest::newRow("key points are marked") << QStringLiteral("แสดงจุดสำคัญ") << QStringLiteral("แสดงจุดสำคัญ");
        QTest::newRow("undo takes a curve back") << QStringLiteral("เลิกทำ") << QStringLiteral("ทำซ้ำ");
    }
    void aMenuEntryActsOnceTheMenuHasClosed()
    {
        QFETCH(QString, entry);
        QFETCH(QString, onAfterwards);
        frmGraph &graph = DrawnGraph();
        QTimer choose;
        connect(&choose, &QTimer::timeout, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            menu->setActiveAction(ActionNamed(*menu, entry));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        choose.start(10);
        const QPoint at(100, 120);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, graph.mapToGlobal(at));
        QApplication::sendEvent(&graph, &event);
        if (onAfterwards.isEmpty()) {
            QCOMPARE(m_answers.saveAsked, 1);
            QCOMPARE(m_answers.loopsWhenAsked, QThread::currentThread()->loopLevel());
        } else {
            const QAction *on = ActionNamed(graph, onAfterwards);
            QVERIFY(on && (on->isCheckable() ? on->isChecked() : on->isEnabled()));
        }
    }

    void shortcutsWorkWhileTheGraphIsActive_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+C copies") << static_cast<int>(Qt::Key_C);
        QTest::newRow("Ctrl+S saves") << static_cast<int>(Qt::Key_S);
        QTest::newRow("Ctrl+P prints") << static_cast<int>(Qt::Key_P);
    }
    void shortcutsWorkWhileTheGraphIsActive()
    {
        QFETCH(int, key);
        QGuiApplication::clipboard()->clear();
        frmGraph &graph = DrawnGraph();
        QTest::keyClick(&graph, static_cast<Qt::Key>(key), Qt::ControlModifier);
        QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(!copied.isNull(), key == Qt::Key_C);
        QCOMPARE(m_answers.saveAsked, key == Qt::Key_S ? 1 : 0);
        QCOMPARE(m_answers.printAsked, key == Qt::Key_P ? 1 : 0);
        if (key == Qt::Key_C) {
            // What the window shows, axis letters included, but the web address.
            const QImage shown = graph.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRectF address = QRectF(graph.control<QLabel>("Label6")->geometry());
            const qreal ratio = graph.devicePixelRatioF();
            const QRect excluded(address.topLeft().toPoint() * ratio, address.size().toSize() * ratio);
            QVERIFY(!SameOutside(shown, graph.surface().image(), excluded));
            QVERIFY(SameOutside(copied, shown, excluded));
        }
    }

    void saveWritesTheChosenFileAndReportsFailure_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("fails");
        const auto png = static_cast<int>(graph::ImageFormat::Png);
        const auto svg = static_cast<int>(graph::ImageFormat::Svg);
        QTest::newRow("cancelled") << true << QStringLiteral("graph.png") << png << false;
        QTest::newRow("PNG at 2x") << false << QStringLiteral("graph.png") << png << false;
        QTest::newRow("SVG") << false << QStringLiteral("graph.svg") << svg << false;
        QTest::newRow("under a plain file") << false << QStringLiteral("plain/graph.png") << png << true;
    }
    void saveWritesTheChosenFileAndReportsFailure()
    {
        QFETCH(bool, cancelled);
        QFETCH(QString, name);
        QFETCH(int, format);
        QFETCH(bool, fails);
        const QTemporaryDir dir;
        PlainFileIn(dir);
        const QString path = dir.filePath(name);
        if (!cancelled)
            m_answers.saveTarget = graph::SaveTarget{path, static_cast<graph::ImageFormat>(format), 2};
        const RecordedErrors recorded;
        frmGraph &graph = DrawnGraph();
        const QImage before = graph.surface().image().copy();

        QTest::keyClick(&graph, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(m_answers.saveAsked, 1);
        QCOMPARE(recorded.numbers(), fails ? std::vector<int>{75} : std::vector<int>{});
        QCOMPARE(QFile::exists(path), !cancelled && !fails);
        QCOMPARE(LoadedInstance<frmGraph>(), &graph);
        QCOMPARE(graph.surface().image(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), !cancelled && !fails ? 2 : 1);
    }

    // Windows hands file names to its own API as UTF-16; a Thai folder and
    // file name must survive the way there, for a picture and a print alike.
    void savesAndPrintsIntoAFolderWithAThaiName_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("save PNG") << int(Qt::Key_S) << QStringLiteral("กราฟ.png") << QByteArray("\x89PNG");
        QTest::newRow("save SVG") << int(Qt::Key_S) << QStringLiteral("กราฟ.svg") << QByteArray("<?xml");
        QTest::newRow("save PDF") << int(Qt::Key_S) << QStringLiteral("กราฟ.pdf") << QByteArray("%PDF-");
        QTest::newRow("print to a file") << int(Qt::Key_P) << QStringLiteral("พิมพ์.pdf") << QByteArray("%PDF-");
    }
    void savesAndPrintsIntoAFolderWithAThaiName()
    {
        QFETCH(int, key);
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        const QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("กราฟ")));
        const QString path = dir.filePath(QStringLiteral("กราฟ/") + name);
        if (key == Qt::Key_S)
            m_answers.saveTarget = graph::ResolveSaveTarget(path, {{}, graph::ImageFormat::Png, 1});
        else
            m_answers.pdfPath = path;
        const RecordedErrors recorded;
        QTest::keyClick(&DrawnGraph(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(recorded.numbers(), std::vector<int>{});
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QCOMPARE(file.read(magic.size()), magic);
    }

    void printGivesOnePageWithTheGraphCentred_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("printed") << false;
        QTest::newRow("cancelled") << true;
    }
    void printGivesOnePageWithTheGraphCentred()
    {
        QFETCH(bool, cancelled);
        const QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
        if (!cancelled)
            m_answers.pdfPath = pdf;
        frmGraph &graph = DrawnGraph();
        QTest::keyClick(&graph, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_answers.printAsked, 1);
        QCOMPARE(QFile::exists(pdf), !cancelled);
        if (cancelled)
            return;

        SKIP_UNLESS_PDF_READS();
        const QImage page = RenderPdfPage(pdf, dir.filePath(QStringLiteral("page")));
        QVERIFY(!page.isNull());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("page-2.png"))));
        const int red = CountPixels(page, [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 120 && qBlue(p) < 120; });
        const int grid = CountPixels(page, [](QRgb p) { return qGray(p) > 180 && qGray(p) < 245; });
        const int axes = CountPixels(page, [](QRgb p) { return qGray(p) < 140 && qRed(p) < 160; });
        QVERIFY2(red > 50 && grid > 500 && axes > 50,
                 qPrintable(QStringLiteral("red %1, grid %2, axes %3").arg(red).arg(grid).arg(axes)));
        // Centred: the drawing's left and right margins on the page are equal.
        int left = page.width();
        int right = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 245) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY2(std::abs(left - (page.width() - 1 - right)) <= 2,
                 qPrintable(QStringLiteral("margins %1 and %2").arg(left).arg(page.width() - 1 - right)));
    }

    void everyPictureHasTheAxisLettersAndNotTheAddress_data()
    {
        QTest::addColumn<QString>("output");
        for (const char *output : {"clipboard", "PNG 1x", "PNG 2x", "PNG 4x", "SVG", "PDF", "print"})
            QTest::newRow(output) << QString::fromLatin1(output);
    }
    void everyPictureHasTheAxisLettersAndNotTheAddress()
    {
        QFETCH(QString, output);
        const QTemporaryDir dir;
        frmGraph &graph = DrawnGraph();
        const QString address = graph.control<QLabel>("Label6")->text();
        QImage picture;
        QRectF area; // the graph's place in the picture
        if (output == QLatin1String("clipboard")) {
            QTest::keyClick(&graph, Qt::Key_C, Qt::ControlModifier);
            picture = QGuiApplication::clipboard()->image();
        } else if (output.startsWith(QLatin1String("PNG"))) {
            const int scale = output.mid(4, 1).toInt();
            m_answers.saveTarget =
                graph::SaveTarget{dir.filePath(QStringLiteral("graph.png")), graph::ImageFormat::Png, scale};
            QTest::keyClick(&graph, Qt::Key_S, Qt::ControlModifier);
            picture = QImage(m_answers.saveTarget->path);
            QCOMPARE(picture.size(), QSize(465, 465) * scale);
            // Nothing but the letters added to the drawing at that scale: no address.
            const QImage drawn = graph.model().rendered(scale);
            QList<QRect> letters;
            for (const QRectF &place : AxisLabelPlaces(graph))
                letters << QRectF(place.topLeft() * scale, place.size() * scale).toAlignedRect();
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (std::none_of(letters.begin(), letters.end(), [&](const QRect &r) { return r.contains(x, y); }))
                        QCOMPARE(picture.pixel(x, y), drawn.pixel(x, y));
        } else if (output == QLatin1String("SVG")) {
            m_answers.saveTarget =
                graph::SaveTarget{dir.filePath(QStringLiteral("graph.svg")), graph::ImageFormat::Svg, 1};
            QTest::keyClick(&graph, Qt::Key_S, Qt::ControlModifier);
            QFile file(m_answers.saveTarget->path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString svg = QString::fromUtf8(file.readAll());
            QCOMPARE(svg.count(QStringLiteral("<text ")), 4);
            QVERIFY(!svg.contains(address));
            SKIP_UNLESS_SVG_RENDERS();
            picture = SvgRendering(file.fileName(), QSize(930, 930));
        } else {
            const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
            if (output == QLatin1String("PDF")) {
                m_answers.saveTarget = graph::SaveTarget{pdf, graph::ImageFormat::Pdf, 1};
                QTest::keyClick(&graph, Qt::Key_S, Qt::ControlModifier);
            } else {
                m_answers.pdfPath = pdf;
                QTest::keyClick(&graph, Qt::Key_P, Qt::ControlModifier);
            }
            SKIP_UNLESS_PDF_READS();
            QVERIFY(!PdfTextOf(pdf).contains(address));
            picture = RenderPdfPage(pdf, dir.filePath(QStringLiteral("page")), 96);
            // 15 mm margins, 180 mm wide, at 96 dots to the inch.
            const double millimetre = 96.0 / 25.4;
            area = QRectF(15 * millimetre, 15 * millimetre, 180 * millimetre, 180 * millimetre);
        }
        QVERIFY(!picture.isNull());
        if (area.isEmpty())
            area = QRectF(QPointF(), QSizeF(picture.size()));

        const double scale = area.width() / 465.0;
        QList<QRect> places;
        for (const QRectF &place : AxisLabelPlaces(graph))
            places << QRectF(area.topLeft() + place.topLeft() * scale, place.size() * scale)
                          .toAlignedRect()
                          .adjusted(-1, -1, 1, 1);
        for (const QRect &place : places) {
            int ink = 0;
            for (int y = place.top(); y <= place.bottom(); ++y)
                for (int x = place.left(); x <= place.right(); ++x)
                    ink += picture.valid(x, y) && LetterInk(picture.pixel(x, y)) ? 1 : 0;
            QVERIFY2(ink >= 4, qPrintable(QStringLiteral("no letter at (%1, %2)").arg(place.x()).arg(place.y())));
        }
        const QRect graphArea = area.toAlignedRect();
        for (int y = graphArea.top(); y <= graphArea.bottom(); ++y)
            for (int x = graphArea.left(); x <= graphArea.right(); ++x)
                if (picture.valid(x, y) && LetterInk(picture.pixel(x, y)) &&
                    std::none_of(places.begin(), places.end(), [&](const QRect &r) { return r.contains(x, y); }))
                    QFAIL(qPrintable(QStringLiteral("letter ink at (%1, %2)").arg(x).arg(y)));
    }

    // The real save dialog: the typed suffix decides the format, the
    // selected kind the suffix of a name typed without a known one.
    void saveDialogWritesTheFormatTheNameSays_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("magic");
        // clang-format off
        QTest::newRow("PNG kind, .svg typed")   << 0 << "graph.svg" << "graph.svg"     << QByteArray("<?xml");
        QTest::newRow("SVG kind, no suffix")    << 3 << "graph"     << "graph.svg"     << QByteArray("<?xml");
        QTest::newRow("PDF kind, unknown .txt") << 4 << "notes.txt" << "notes.txt.pdf" << QByteArray("%PDF-");
        QTest::newRow("PDF kind, .png typed")   << 4 << "graph.png" << "graph.png"     << QByteArray("\x89PNG");
        // clang-format on
    }
    void saveDialogWritesTheFormatTheNameSays()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QByteArray, magic);
        graph::SetExportDialogsFactory(m_previous);
        const QTemporaryDir dir;
        frmGraph &graph = DrawnGraph();
        bool answered = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || answered)
                return;
            answered = true;
            dialog->setDirectory(dir.path());
            dialog->selectNameFilter(dialog->nameFilters().at(kind));
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        poll.start(20);
        QTest::keyClick(&graph, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(answered);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList(written));
        QFile file(dir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(magic.size()), magic);
    }

    // Ctrl+Z takes back the last curve, Ctrl+Y and Ctrl+Shift+Z draw it again;
    // the menu's items are greyed where there is nothing to take back or redo.
    void undoAndRedoFromTheKeyboard()
    {
        frmGraph &graph = DrawnGraph();
        const QImage drawn = graph.surface().image();
        QAction *undo = ActionNamed(graph, QStringLiteral("เลิกทำ"));
        QAction *redo = ActionNamed(graph, QStringLiteral("ทำซ้ำ"));
        QVERIFY(undo && redo);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QTest::keyClick(&graph, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&graph, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(graph.model().record().curves().empty());
        QCOMPARE(graph.surface().image(), scripts::DrawnAt(graph.devicePixelRatioF(), [](graph::GraphModel &g) {
                     graph::GridColors colors = scripts::Light;
                     colors.plot = RGB(255, 0, 0);
                     scripts::Grid(g, colors);
                 }));
        QVERIFY(!undo->isEnabled() && redo->isEnabled());
        QTest::keyClick(&graph, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(&graph, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(graph.surface().image(), drawn);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
    }

    // Marked key points are no part of the drawing: a copy carries them only
    // while the menu item is checked.
    void keyPointsAreMarkedOverTheDrawing()
    {
        frmGraph &graph = DrawnGraph();
        const QImage drawing = graph.surface().image();
        const auto copied = [&graph] {
            QTest::keyClick(&graph, Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        };
        const QImage plain = copied();
        const QList<QAction *> actions = graph.actions();
        const auto found = std::find_if(actions.begin(), actions.end(), [](QAction *a) { return a->isCheckable(); });
        QVERIFY(found != actions.end());
        QAction *marks = *found;
        QVERIFY(!marks->isChecked());
        marks->trigger();
        const QImage marked = copied();
        // The vertex of y = 0.1x^2 - 20 is at pixel (233.3, 366.7); its ring
        // changes pixels around it.
        const qreal ratio = graph.devicePixelRatioF();
        const QRect around = QRectF(226 * ratio, 360 * ratio, 15 * ratio, 15 * ratio).toAlignedRect();
        QVERIFY(marked.copy(around) != plain.copy(around));
        QCOMPARE(graph.surface().image(), drawing);
        marks->trigger();
        QCOMPARE(copied(), plain);
    }

    // A lesson saved from the menu and opened again with Ctrl+O in a fresh
    // run draws the same graph, pixel for pixel; opening it is undone in steps.
    void lessonSavedAndOpenedAgainDrawsTheSameGraph()
    {
        frmGraph &graph = DrawnGraph();
        const QImage drawn = graph.surface().image();
        const QTemporaryDir dir;
        m_answers.lesson = dir.filePath(QStringLiteral("บทเรียน.curvista"));
        QAction *save = ActionNamed(graph, QStringLiteral("บันทึกบทเรียน…"));
        QVERIFY(save);
        save->trigger();
        QVERIFY(QFile::exists(*m_answers.lesson));

        StartProgram();
        frmGraph &fresh = Instance<frmGraph>();
        QVERIFY(Activate(fresh));
        QVERIFY(fresh.surface().image() != drawn);
        QTest::keyClick(&fresh, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(fresh.surface().image(), drawn);
        QCOMPARE(graph_mdl::PlotColor, RGB(255, 0, 0));
        for (int step = 0; step < 3; ++step)
            fresh.model().history().undo();
        QCOMPARE(fresh.model().record().curves().size(), std::size_t(0));
        QCOMPARE(fresh.model().record().grid()->plot, RGB(0, 0, 0));
    }

    // A file that is no lesson is reported, naming it, and the graph stays.
    void aBadLessonIsReportedAndChangesNothing()
    {
        const RecordedErrors recorded;
        frmGraph &graph = DrawnGraph();
        const QImage drawn = graph.surface().image();
        const QTemporaryDir dir;
        QFile bad(dir.filePath(QStringLiteral("bad.curvista")));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("{\"format\": \"other\"}") > 0);
        bad.close();
        m_answers.lesson = bad.fileName();
        QTest::keyClick(&graph, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(recorded.numbers(), std::vector<int>{75});
        QVERIFY(recorded.errors().front().message().contains(QStringLiteral("bad.curvista")));
        QCOMPARE(graph.surface().image(), drawn);
        QCOMPARE(graph.model().record().curves().size(), std::size_t(2));
    }

    void hoverShowsTheWorldCoordinates_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("tip");
        QTest::newRow("top left") << QPoint(0, 0) << QStringLiteral("x = -35.00, y = 35.00");
        QTest::newRow("near the origin") << QPoint(233, 233) << QStringLiteral("x = -0.05, y = 0.05");
        QTest::newRow("exactly zero") << QPoint(140, 100) << QStringLiteral("x = -14.00, y = 20.00");
        QTest::newRow("bottom right") << QPoint(464, 464) << QStringLiteral("x = 34.60, y = -34.60");
        // Near a curve, which one it is; near one of its key points, that point.
        QTest::newRow("the parabola's vertex")
            << QPoint(233, 366) << QStringLiteral("x = -0.05, y = -19.90\ny  =  0.1x²  +  0x  +  -20\nจุดยอด (0, -20)");
        QTest::newRow("where the line crosses the parabola")
            << QPoint(146, 253)
            << QStringLiteral("x = -13.10, y = -2.95\ny  =  0.1x²  +  0x  +  -20\nจุดตัด (-13.03, -3.03)");
        QTest::newRow("on the line, no key point near")
            << QPoint(300, 100) << QStringLiteral("x = 10.00, y = 20.00\ny  =  1x  +  10");
    }
    void hoverShowsTheWorldCoordinates()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, tip);
        frmGraph &graph = DrawnGraph();
        const QPoint inWindow = graph.client()->mapTo(&graph, at); // inside the window's border
        QHelpEvent event(QEvent::ToolTip, inWindow, graph.mapToGlobal(inWindow));
        QApplication::sendEvent(&graph, &event);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }

    // The user reads positions off the graph while typing in a dialog.
    void hoverWorksWhileAnotherWindowIsActive()
    {
        frmControl &panel = StartProgram();
        frmGraph &graph = Instance<frmGraph>();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTest::mouseMove(graph.client(), QPoint(300, 100));
        QTest::mouseMove(graph.client(), QPoint(333, 133));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("x = 14.95, y = 15.05"));
        QToolTip::hideText();
    }

    // Needs two screens of different ratios (the two-screen test environment).
    void movedToAScreenOfAnotherRatioTheGraphIsCrisp()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
            QSKIP("needs two screens of different device pixel ratios");
        frmGraph &graph = DrawnGraph();
        const auto moveTo = [&graph](const QScreen *screen) {
            graph.move(screen->geometry().topLeft() + QPoint(20, 20));
            QTRY_COMPARE(graph.surface().devicePixelRatio(), screen->devicePixelRatio());
        };
        moveTo(screens[1]);
        QCOMPARE(graph.surface().image(), DrawnGraphAt(screens[1]->devicePixelRatio()));
        // Curves drawn after the move are drawn at the new ratio too.
        graph_mdl::PlotParabola(-0.1f, 0, 20);
        moveTo(screens[0]);
        QCOMPARE(graph.model().record().curves().size(), std::size_t(3));
        QCOMPARE(graph.surface().image(), graph.model().rendered(screens[0]->devicePixelRatio()));
        QCOMPARE(graph.grab().devicePixelRatio(), screens[0]->devicePixelRatio());
    }

    void picturesFollowTheirScreensRatio()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
            QSKIP("needs two screens of different device pixel ratios");
        frmControl &panel = StartProgram();
        const auto *icon = panel.control<QLabel>("Image1");
        const auto *eraser = panel.control<QPushButton>("Command2");
        for (const QScreen *screen : {screens[1], screens[0]}) {
            const qreal ratio = screen->devicePixelRatio();
            panel.move(screen->geometry().topLeft() + QPoint(20, 20));
            QTRY_COMPARE(icon->pixmap().devicePixelRatio(), ratio);
            QCOMPARE(icon->pixmap().toImage(), ProgramIcon(ratio).convertToFormat(icon->pixmap().toImage().format()));
            const QPixmap erasing = eraser->icon().pixmap(eraser->iconSize(), ratio);
            QCOMPARE(erasing.devicePixelRatio(), ratio);
            QCOMPARE(erasing.toImage(), EraserPicture(ratio).convertToFormat(erasing.toImage().format()));
        }
    }
};

CURVISTA_TEST_MAIN(TestGraphCommands)
#include "test_graph_commands.moc"
