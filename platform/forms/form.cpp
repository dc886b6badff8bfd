#include "form.h"

#include "form_accessible.h"
#include "page.h"
#include "system_colors.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <map>

namespace platform {

namespace {

struct Registry
{
    std::map<std::type_index, Form *> forms;
    bool ended = false;
#ifdef Q_OS_WASM
    QPointer<Form> broughtForward;
#endif
};

Registry &TheRegistry()
{
    static Registry registry;
    return registry;
}

Qt::WindowFlags FlagsFor(const FormDesign &design)
{
    Qt::WindowFlags flags = design.showInTaskbar ? TaskbarWindowType : Qt::Tool;
    // Minimisable, though it has no button for it: the window manager then
    // lets the window that owns it minimise it.
    if (!design.titleBar)
        return flags | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (design.closeBox)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (design.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

QMenuBar *CreateMenuBar(QWidget &form, const std::vector<MenuItemDesign> &menu)
{
    if (menu.empty())
        return nullptr;
    auto *bar = new QMenuBar(&form);
    for (const MenuItemDesign &item : menu) {
        QAction *action = bar->addAction(item.caption);
        action->setObjectName(QString::fromLatin1(item.name));
    }
    return bar;
}

// Reports a control's loss of focus to its own window's handler.
class FocusWatcher : public QObject
{
public:
    FocusWatcher(QObject *context, QWidget *control, std::function<void()> onLostFocus)
        : QObject(context), m_onLostFocus(std::move(onLostFocus))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut && MovesTheFocus(static_cast<QFocusEvent *>(event)->reason()))
            m_onLostFocus();
        return QObject::eventFilter(watched, event);
    }

    // A popup (a context menu) or another window becoming active takes the
    // keyboard only for a while: the control keeps its place as the focus.
    static bool MovesTheFocus(Qt::FocusReason reason)
    {
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }

private:
    std::function<void()> m_onLostFocus;
};

} // namespace

Form::Form(const FormDesign &design)
    : m_isDialog(design.border == BorderStyle::FixedToolWindow), m_closeBox(design.titleBar && design.closeBox),
      m_handlers(new QObject(this)), m_accessibleRole(m_isDialog ? QAccessible::Dialog : QAccessible::Window)
{
    InstallFormAccessibility();
    setWindowFlags(FlagsFor(design));
    setWindowTitle(design.caption);
    setFont(DesignFont());
    if (design.icon)
        setWindowIcon(QPixmap::fromImage(design.icon(1.0))); // the window system scales icons itself
    if (!design.titleBar) {
        // Shown beside the window the user works in, never in its place.
        setAttribute(Qt::WA_ShowWithoutActivating);
        if (design.border == BorderStyle::FixedSingle)
            m_borderWidth = 1;
    }

    QMenuBar *menuBar = CreateMenuBar(*this, design.menu);
    const int menuHeight = menuBar ? menuBar->sizeHint().height() : 0;
    const QSize clientSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight));
    const QPoint clientOffset(m_borderWidth, menuHeight + m_borderWidth);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(QRect(clientOffset, clientSize));
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, ToQColor(design.backColor));
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    if (menuBar)
        menuBar->setGeometry(0, 0, clientSize.width(), menuHeight);

    BuildControls(*m_client, design.controls);
    const QList<QPushButton *> buttons = m_client->findChildren<QPushButton *>();
    m_hasDefaultButton =
        std::any_of(buttons.begin(), buttons.end(), [](const QPushButton *b) { return b->isDefault(); });
    if (!m_hasDefaultButton)
        connect(qApp, &QApplication::focusChanged, m_handlers,
                [this](QWidget *, QWidget *now) { showNoDefaultButton(now); });

    setFixedSize(clientSize.width() + 2 * m_borderWidth, clientOffset.y() + clientSize.height() + m_borderWidth);
    place(design, clientOffset);
}

Form::~Form()
{
    m_unloaded = true;
    delete m_handlers;
}

void Form::place(const FormDesign &design, QPoint clientOffset)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->geometry() : QRect();
    switch (design.placement) {
    case Placement::CenterScreen: {
        QRect frame({}, size());
        frame.moveCenter(screenArea.center());
        setGeometry(frame);
        break;
    }
    case Placement::Manual:
        setGeometry(QRect(screenArea.topLeft() +
                              QPoint(TwipsToPixels(design.clientLeft), TwipsToPixels(design.clientTop)) - clientOffset,
                          size()));
        break;
    case Placement::WindowsDefault:
        break;
    }
}

void Form::failBinding(const char *name) const
{
    qFatal("%s: the design has no control %s of the kind its window expects", metaObject()->className(), name);
}

QAction *Form::menuItem(const char *name) const
{
    return findChild<QAction *>(QString::fromLatin1(name));
}

void Form::Show(int modal)
{
    if (modal == vbModal) {
        if (isVisible())
            throw RuntimeError(ErrorCode::FormAlreadyDisplayed);
#ifdef Q_OS_WASM
        // A page cannot wait inside a wait: a colour chooser or message the
        // modal form opens would hang it. So the form only blocks the others.
        setWindowModality(Qt::ApplicationModal);
#else
        // Unloading hides the form, which ends the loop.
        exec();
        return;
#endif
    }
    // setVisible, not show(): show() makes a window full screen where the
    // platform says windows show so (the browser), and forms keep their places.
    setVisible(true);
    bringForward();
}

void Form::setVisible(bool visible)
{
    if (m_isDialog || testAttribute(Qt::WA_ShowModal))
        QDialog::setVisible(visible);
    else
        QWidget::setVisible(visible); // NOLINT(bugprone-parent-virtual-call)
}

// Forms keep the places their designs give them: a dialog is not centred
// over the window it belongs to.
void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

// A window the user opens is the one they type into next, also when it was
// already open behind others.
void Form::bringForward()
{
    if (testAttribute(Qt::WA_ShowWithoutActivating))
        return;
    raise();
    activateWindow();
#ifdef Q_OS_WASM
    TheRegistry().broughtForward = this;
#endif
}

void Form::SetFocus()
{
    activateWindow();
    raise();
}

WindowState Form::windowStateValue() const
{
    if (windowState() & Qt::WindowMinimized)
        return WindowState::Minimized;
    if (windowState() & Qt::WindowMaximized)
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::setWindowStateValue(WindowState state)
{
    switch (state) {
    case WindowState::Normal:
        if (windowState() & Qt::WindowMinimized)
            restoreWithoutActivating();
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    case WindowState::Minimized:
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case WindowState::Maximized:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    }
}

// A window manager activates a window it restores. A window that is shown
// without activation refuses the focus until it is on the screen again, so
// that the window the user restored keeps it.
void Form::restoreWithoutActivating()
{
    QWindow *window = windowHandle();
    if (!window || !testAttribute(Qt::WA_ShowWithoutActivating) || (window->flags() & Qt::WindowDoesNotAcceptFocus))
        return;
    window->setFlag(Qt::WindowDoesNotAcceptFocus);
    window->installEventFilter(this);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    // Watched only while restoring: see restoreWithoutActivating.
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, false);
        windowHandle()->removeEventFilter(this);
    }
    return QDialog::eventFilter(watched, event);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // A window without a close box cannot be closed by the user, so its
    // drawing cannot be lost that way.
    if (m_closeBox && !HasEnded())
        RunHandler([this] { Unload(*this); });
}

// Esc closes no window of the designs; Enter presses the default button,
// where the design has one.
void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        event->ignore();
    else if (m_hasDefaultButton)
        QDialog::keyPressEvent(event);
    else
        QWidget::keyPressEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

// A dialog keeps the last button that had the focus as its default; a form
// whose design has no default button shows one only on the focused button.
void Form::showNoDefaultButton(QWidget *focused)
{
    if (!focused || focused->window() != this || qobject_cast<QPushButton *>(focused))
        return;
    for (QPushButton *button : m_client->findChildren<QPushButton *>())
        button->setDefault(false);
}

void Form::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (m_borderWidth == 0)
        return;
    QPainter painter(this);
    painter.setPen(ToQColor(vbWindowFrame));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Form::watchFocus(QWidget *control, std::function<void()> onLostFocus)
{
    new FocusWatcher(m_handlers, control, std::move(onLostFocus));
}

void Form::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        runEvent([this] { Form_Resize(); });
}

void Form::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    runEvent([this] { Form_Resize(); });
}

bool HasEnded()
{
    return TheRegistry().ended;
}

namespace detail {

Form *FindForm(std::type_index type)
{
    const auto &forms = TheRegistry().forms;
    const auto found = forms.find(type);
    return found == forms.end() ? nullptr : found->second;
}

void AddForm(std::type_index type, Form *form)
{
    TheRegistry().forms[type] = form;
}

} // namespace detail

void LoadForm(Form &form)
{
    form.Form_Load();
}

void Unload(Form &form)
{
    form.Form_Unload();
    std::erase_if(TheRegistry().forms, [&form](const auto &entry) { return entry.second == &form; });
    form.m_unloaded = true;
    form.hide();
    for (QTimer *timer : form.findChildren<QTimer *>())
        timer->stop();
    emit form.unloaded();
#ifdef Q_OS_WASM
    // The browser's window system activates its topmost window when one is
    // destroyed, even one that was not active; the window the user last
    // brought forward stays active, as on the desktops.
    const QPointer<Form> active = TheRegistry().broughtForward;
    if (active && active != &form)
        QObject::connect(&form, &QObject::destroyed, active, [active] {
            if (QWindow *window = active->windowHandle(); window && active->isVisible())
                window->requestActivate();
        });
#endif
    // Deferred: the unloading handler may belong to this very window.
    form.deleteLater();
}

void End()
{
    Registry &registry = TheRegistry();
    registry.ended = true;
    for (const auto &[type, form] : registry.forms)
        form->hide();
    QCoreApplication::exit(0);
    // A page has no process to end: the page says the program has ended and
    // offers to start it again.
    TellPage("curvistaEnded");
}

void ResetForms()
{
    Registry &registry = TheRegistry();
    const auto forms = std::exchange(registry.forms, {});
    for (const auto &[type, form] : forms)
        delete form;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    registry.ended = false;
}

} // namespace platform
