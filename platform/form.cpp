#include "form.h"

#include "system_colors.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <map>

namespace platform {

namespace {

struct Registry
{
    std::map<std::type_index, Form *> forms;
    bool ended = false;
};

Registry &TheRegistry()
{
    static Registry registry;
    return registry;
}

Qt::WindowFlags FlagsFor(const FormDesign &design)
{
    Qt::WindowFlags flags = design.showInTaskbar ? Qt::Window : Qt::Tool;
    if (!design.titleBar)
        return flags | Qt::FramelessWindowHint;
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
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
            m_onLostFocus();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onLostFocus;
};

} // namespace

Form::Form(const FormDesign &design) : m_closeBox(design.titleBar && design.closeBox), m_handlers(new QObject(this))
{
    setWindowFlags(FlagsFor(design));
    setWindowTitle(design.caption);
    setFont(DesignFont());
    if (design.icon)
        setWindowIcon(QPixmap::fromImage(design.icon(1.0))); // the window system scales icons itself

    QMenuBar *menuBar = CreateMenuBar(*this, design.menu);
    const int menuHeight = menuBar ? menuBar->sizeHint().height() : 0;
    const QSize clientSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(QRect(QPoint(0, menuHeight), clientSize));
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, ToQColor(design.backColor));
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    if (menuBar)
        menuBar->setGeometry(0, 0, clientSize.width(), menuHeight);

    BuildControls(*m_client, design.controls);
    setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
    place(design, menuHeight);
}

Form::~Form()
{
    m_unloaded = true;
    delete m_handlers;
}

void Form::place(const FormDesign &design, int menuHeight)
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
                              QPoint(TwipsToPixels(design.clientLeft), TwipsToPixels(design.clientTop) - menuHeight),
                          size()));
        break;
    case Placement::WindowsDefault:
        break;
    }
}

QAction *Form::menuItem(const char *name) const
{
    return findChild<QAction *>(QString::fromLatin1(name));
}

void Form::Show(int modal)
{
    if (modal != vbModal) {
        // Shown again, a window the user has lost behind others comes forward.
        if (isVisible()) {
            raise();
            activateWindow();
        }
        show();
        return;
    }
    if (isVisible())
        throw RuntimeError(ErrorCode::FormAlreadyDisplayed);
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
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

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // A window without a close box cannot be closed by the user, so its
    // drawing cannot be lost that way.
    if (m_closeBox && !HasEnded())
        RunHandler([this] { Unload(*this); });
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QList<QPushButton *> buttons = m_client->findChildren<QPushButton *>();
        const auto defaultButton = std::find_if(buttons.begin(), buttons.end(), [](const QPushButton *button) {
            return button->isDefault() && button->isEnabled() && button->isVisible();
        });
        if (defaultButton != buttons.end()) {
            (*defaultButton)->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Form::watchFocus(QWidget *control, std::function<void()> onLostFocus)
{
    new FocusWatcher(m_handlers, control, std::move(onLostFocus));
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        runEvent([this] { Form_Resize(); });
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
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
