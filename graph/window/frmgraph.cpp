#include "frmgraph.h"

#include "export_dialogs.h"
#include "graph/engine/equation_text.h"
#include "graph/engine/key_points.h"
#include "graph/engine/lesson.h"
#include "graph/engine/typed_curve.h"
#include "graph/pictures/graph_page.h"
#include "graph/window/graph_mdl_routines.h"
#include "platform/forms/active_window.h"
#include "platform/forms/system_colors.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QToolTip>
#include <QWindow>

#include <cmath>

using namespace platform;

namespace {

constexpr int ClientTwips = 6975;

// The address shown in Label6; a reserved example domain.
const QString WebAddress = QStringLiteral("www.curvista.example");

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook axisLetter{.font = FontSpec{.points = 9.75, .bold = true}};
    const ControlLook address{.backColor = vbHighlightText, .foreColor = vbApplicationWorkspace};
    return {
        .titleBar = false,
        .closeBox = false,
        .clientWidth = ClientTwips,
        .clientHeight = ClientTwips,
        .placement = Placement::CenterScreen,
        .showInTaskbar = false,
        .backColor = vbTitleBarText,
        // clang-format off
        .controls = {
            // name     kind   left   top  width height tab caption
            {"Label1", Label,  3240,    0,  135,   255, 0,  QStringLiteral("X"),  axisLetter},
            {"Label2", Label,  3240, 6720,  255,   255, 1,  QStringLiteral("X'"), axisLetter},
            {"Label3", Label,   120, 3240,  255,   255, 2,  QStringLiteral("Y'"), axisLetter},
            {"Label4", Label,  6720, 3240,  135,   255, 3,  QStringLiteral("Y"),  axisLetter},
            {"Label6", Label,  5280, 6720, 1695,   255, 4,  WebAddress,           address},
        },
        // clang-format on
    };
}

// Paints the graph's surface, again whenever the graph changes; everything
// else is drawn by the labels above it.
class SurfaceView : public QWidget
{
public:
    SurfaceView(const graph::GraphModel &graph, QWidget *parent) : QWidget(parent), m_graph(graph)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_StaticContents);
        connect(&graph, &graph::GraphModel::changed, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setClipRect(event->rect());
        painter.drawImage(QPointF(0, 0), m_graph.surface().image());
        if (m_graph.typedCurvesShown())
            for (const auto &[dialog, curve] : m_graph.typedCurves())
                graph::PaintTypedCurve(painter, curve, m_graph.markColor());
        if (m_graph.keyPointsMarked())
            graph::PaintKeyPoints(painter, graph::KeyPointsOf(m_graph.record()), m_graph.markColor());
    }

private:
    const graph::GraphModel &m_graph;
};

// The axis letters as the labels show them, for the graph's pictures; the
// web address is not part of the graph.
graph::AxisLetters AxisLettersOf(const frmGraph &graph)
{
    graph::AxisLetters letters;
    for (const char *name : {"Label1", "Label2", "Label3", "Label4"}) {
        const auto *label = graph.control<QLabel>(name);
        letters.font = label->font();
        letters.color = label->palette().color(label->foregroundRole());
        letters.letters.push_back({label->text(), QRectF(label->geometry())});
    }
    return letters;
}

// The curve's equation as the printed page writes it.
QString CurveEquation(const graph::Polynomial &curve)
{
    using graph::EquationText;
    const auto single = [](double value) { return SingleToText(static_cast<Single>(value)); };
    if (curve.a == 0.0)
        return EquationText({{single(curve.b), QStringLiteral("x")}, {single(curve.c), {}}});
    return EquationText(
        {{single(curve.a), QStringLiteral("x²")}, {single(curve.b), QStringLiteral("x")}, {single(curve.c), {}}});
}

// Two decimals, without the "-0.00" of a value just below zero.
QString TwoDecimals(double value)
{
    return QString::number(std::round(value * 100.0) / 100.0 + 0.0, 'f', 2);
}

} // namespace

QSize frmGraph::ClientSize()
{
    return {TwipsToPixels(ClientTwips), TwipsToPixels(ClientTwips)};
}

Color frmGraph::FreshColor()
{
    return FromQColor(ToQColor(vbTitleBarText));
}

frmGraph::frmGraph() : Form(Design()), m_model(graph_mdl::Graph())
{
    m_model.setDevicePixelRatio(devicePixelRatioF());
    m_view = new SurfaceView(m_model, client());
    m_view->setObjectName(QStringLiteral("surface"));
    m_view->setGeometry(client()->rect());
    m_view->lower();
    m_model.setAxisLetters(AxisLettersOf(*this));
    // The pointer's position is wanted while the user works in another window.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    //: The graph window's menu (right button or Menu key): copies the graph as a picture.
    addCommand(tr("คัดลอกภาพกราฟ"), QKeySequence::Copy, &frmGraph::copyGraph);
    //: The graph window's menu: asks for a file to save the graph in.
    addCommand(tr("บันทึกภาพกราฟ…"), QKeySequence::Save, &frmGraph::saveGraph);
    //: The graph window's menu: asks for a printer to print the graph on.
    addCommand(tr("พิมพ์กราฟ…"), QKeySequence::Print, &frmGraph::printGraph);
    addHistoryCommands();
    addSeparator();
    //: The graph window's menu: marks the vertex, roots and crossings of every curve drawn.
    auto *keyPoints = new QAction(tr("แสดงจุดสำคัญ"), this);
    keyPoints->setCheckable(true);
    // A window loaded again, after the clear button, keeps what the graph shows.
    keyPoints->setChecked(m_model.keyPointsMarked());
    connect(keyPoints, &QAction::toggled, this, &frmGraph::showKeyPoints);
    addAction(keyPoints);
    m_commands.append(keyPoints);

    //: The graph window's menu: sketches the curve an equation dialog describes, as its numbers are typed.
    auto *typedCurves = new QAction(tr("แสดงเส้นกราฟขณะพิมพ์"), this);
    typedCurves->setCheckable(true);
    typedCurves->setChecked(m_model.typedCurvesShown());
    connect(typedCurves, &QAction::toggled, &m_model, &graph::GraphModel::setTypedCurvesShown);
    addAction(typedCurves);
    m_commands.append(typedCurves);
    m_model.setMarkColor(palette().color(QPalette::Highlight));
    addSeparator();
    //: The graph window's menu: saves the equations drawn and the colours as a lesson file.
    addCommand(tr("บันทึกบทเรียน…"), QKeySequence(), &frmGraph::saveLesson);
    //: The graph window's menu: opens a lesson file, replacing what the graph shows.
    addCommand(tr("เปิดบทเรียน…"), QKeySequence::Open, &frmGraph::openLesson);
    // A lesson file dropped on the graph opens.
    setAcceptDrops(true);
}

void frmGraph::addSeparator()
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    m_commands.append(separator);
}

void frmGraph::saveLesson()
{
    const std::optional<QString> path =
        OverActiveWindow([](QWidget *owner) { return graph::CreateExportDialogs()->chooseLessonToSave(owner); });
    if (path)
        graph_mdl::SaveLesson(*path);
}

void frmGraph::openLesson()
{
    OverActiveWindow([](QWidget *owner) {
        graph::CreateExportDialogs()->chooseLessonToOpen(owner, [](const QString &path) {
            // Also when the file comes after the command has returned.
            RunHandler([&path] { graph_mdl::OpenLesson(path); });
        });
    });
}

// The first local file of the drop, if it is a lesson.
static std::optional<QString> DroppedLesson(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return std::nullopt;
    const QString path = urls.front().toLocalFile();
    if (QFileInfo(path).suffix().compare(QLatin1String(graph::LessonSuffix), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return path;
}

void frmGraph::dragEnterEvent(QDragEnterEvent *event)
{
    if (DroppedLesson(event->mimeData()))
        event->acceptProposedAction();
}

void frmGraph::dropEvent(QDropEvent *event)
{
    if (const std::optional<QString> path = DroppedLesson(event->mimeData())) {
        event->acceptProposedAction();
        RunHandler([&path] { graph_mdl::OpenLesson(*path); });
    }
}

// Undo and redo follow the graph's history: greyed where there is no step.
void frmGraph::addHistoryCommands()
{
    addSeparator();
    //: The graph window's menu: takes back the last curve drawn or the last clearing.
    QAction *undo = m_model.history().createUndoAction(this, tr("เลิกทำ"));
    undo->setShortcut(QKeySequence::Undo);
    //: The graph window's menu: draws again what was taken back.
    QAction *redo = m_model.history().createRedoAction(this, tr("ทำซ้ำ"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *action : {undo, redo}) {
        addAction(action);
        m_commands.append(action);
    }
}

void frmGraph::addCommand(const QString &text, const QKeySequence &shortcut, void (frmGraph::*command)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    addAction(action);
    handle(action, &QAction::triggered, command);
    m_commands.append(action);
}

void frmGraph::Form_Unload()
{
    m_model.clear(FreshColor());
}

void frmGraph::followDevicePixelRatio()
{
    m_model.setDevicePixelRatio(devicePixelRatioF());
}

void frmGraph::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    if (QWindow *window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &frmGraph::followDevicePixelRatio, Qt::UniqueConnection);
    followDevicePixelRatio();
}

void frmGraph::copyGraph()
{
    QGuiApplication::clipboard()->setImage(m_model.picture(m_model.surface().devicePixelRatio()));
}

void frmGraph::saveGraph()
{
    const std::optional<graph::SaveTarget> target =
        OverActiveWindow([](QWidget *owner) { return graph::CreateExportDialogs()->chooseSaveTarget(owner); });
    if (target)
        graph::SaveGraph(m_model, *target);
}

void frmGraph::printGraph()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!OverActiveWindow(
            [&printer](QWidget *owner) { return graph::CreateExportDialogs()->choosePrinter(printer, owner); }))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        //: A runtime error's message, when printing cannot start.
        throw RuntimeError(ErrorCode::PrinterError, tr("พิมพ์กราฟไม่ได้: เครื่องพิมพ์ไม่พร้อม"));
    graph::PrintGraph(m_model, painter, printer, QDate::currentDate());
    if (!painter.end())
        //: A runtime error's message, when printing fails on the way.
        throw RuntimeError(ErrorCode::PrinterError, tr("พิมพ์กราฟไม่ได้"));
}

bool frmGraph::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        showWorldPosition(static_cast<const QHelpEvent &>(*event));
        return true;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // The ratio may change on the same screen.
    case QEvent::DevicePixelRatioChange: {
        const bool handled = Form::event(event);
        followDevicePixelRatio();
        return handled;
    }
#endif
    default:
        return Form::event(event);
    }
}

void frmGraph::showWorldPosition(const QHelpEvent &event)
{
    const QPointF canvas = QPointF(client()->mapFrom(this, event.pos())) * TwipsPerPixel;
    //: The tooltip on the graph: the equation's x and y under the pointer, each with two decimals.
    const QString position = tr("x = %1, y = %2");
    const QPointF world(graph::WorldX(canvas.x()), graph::WorldY(canvas.y()));
    QString text = position.arg(TwoDecimals(world.x()), TwoDecimals(world.y()));
    const QString about = aboutCurveAt(world);
    if (!about.isEmpty())
        text += QLatin1Char('\n') + about;
    QToolTip::showText(event.globalPos(), text, this);
}

// The nearest drawn curve within reach of the pointer and, near one of its key
// points, that point; empty where there is none.
QString frmGraph::aboutCurveAt(QPointF world) const
{
    constexpr double ReachPixels = 6.0;
    const double reach = ReachPixels * TwipsPerPixel / graph::CanvasPerWorld;
    const auto &curves = m_model.record().curves();
    const graph::RecordedCurve *nearest = nullptr;
    double nearestDistance = reach;
    for (const graph::RecordedCurve &curve : curves) {
        const auto polynomial = graph::PolynomialOf(curve);
        if (polynomial && graph::DistanceFrom(*polynomial, world) <= nearestDistance) {
            nearest = &curve;
            nearestDistance = graph::DistanceFrom(*polynomial, world);
        }
    }
    if (!nearest)
        return {};
    const graph::Polynomial polynomial = *graph::PolynomialOf(*nearest);
    std::vector<graph::KeyPoint> points = graph::KeyPointsOf(polynomial);
    for (const graph::RecordedCurve &other : curves) {
        if (const auto otherPolynomial = graph::PolynomialOf(other); otherPolynomial && &other != nearest) {
            const std::vector<graph::KeyPoint> crossings = graph::Intersections(polynomial, *otherPolynomial);
            points.insert(points.end(), crossings.begin(), crossings.end());
        }
    }
    QString text = CurveEquation(polynomial);
    for (const graph::KeyPoint &point : points) {
        if (QLineF(point.at, world).length() <= reach) {
            text += QLatin1Char('\n') + graph::KeyPointText(point);
            break;
        }
    }
    return text;
}

void frmGraph::showKeyPoints(bool shown)
{
    m_model.setKeyPointsMarked(shown);
}

// The command chosen from a menu of the commands' likenesses, or none. The
// command then runs once the menu has closed: in a browser, a dialog it opens
// could not wait inside the menu's own wait.
static QPointer<QAction> ChooseCommand(QWidget *parent, const QList<QAction *> &commands, const QPoint &at)
{
    QMenu menu(parent);
    QPointer<QAction> chosen;
    for (QAction *command : commands) {
        if (command->isSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction *entry = menu.addAction(command->text());
        // Shown, not bound: the command's own shortcut stays the one that acts.
        entry->setShortcut(command->shortcut());
        entry->setShortcutContext(Qt::WidgetShortcut);
        entry->setEnabled(command->isEnabled());
        entry->setCheckable(command->isCheckable());
        entry->setChecked(command->isChecked());
        QObject::connect(entry, &QAction::triggered, [&chosen, command] { chosen = command; });
    }
    menu.exec(at);
    return chosen;
}

void frmGraph::contextMenuEvent(QContextMenuEvent *event)
{
    if (const QPointer<QAction> command = ChooseCommand(this, m_commands, event->globalPos()))
        command->trigger();
}
