#pragma once

#include "platform/core/runtime_error.h"
#include "platform/forms/form_design.h"

#include <QAccessible>
#include <QDialog>

#include <algorithm>
#include <functional>

#include <typeindex>
#include <typeinfo>

class QAction;

namespace platform {

// The window type of a form shown in the taskbar. On Windows, Qt probes the
// graphics adapter through Direct3D when it creates the first Qt::Window
// (a fault of certain AMD multi-GPU machines), which costs half a second
// under Wine; a dialog-type window without an owner has the same styles and
// taskbar button and skips the probe.
#ifdef Q_OS_WIN
inline constexpr Qt::WindowType TaskbarWindowType = Qt::Dialog;
#else
inline constexpr Qt::WindowType TaskbarWindowType = Qt::Window;
#endif

enum class WindowState : int { Normal = 0, Minimized = 1, Maximized = 2 };

constexpr int vbModal = 1;

// A window built from its design, with the life cycle of the forms runtime:
// loaded on first reference, hidden until Show, destroyed by Unload. Every
// form is a QDialog, for the default button, Enter and the modal loop; one
// that is no dialog in its design shows as a plain window.
class Form : public QDialog
{
    Q_OBJECT

public:
    explicit Form(const FormDesign &design);
    ~Form() override;

    // Modeless: shows and returns. vbModal: returns once the form is unloaded;
    // in a browser, it blocks the other windows and returns at once, so the
    // caller does nothing after it.
    void Show(int modal = 0);
    void SetFocus();
    [[nodiscard]] WindowState windowStateValue() const;
    void setWindowStateValue(WindowState state);

    // The area the design's twips refer to (below the menu bar, if any).
    [[nodiscard]] QWidget *client() const { return m_client; }
    // A control by its design name; null if the design has none of that name.
    template <class W> W *control(const char *name) const
    {
        return m_client->findChild<W *>(QString::fromLatin1(name));
    }
    // A control array's members, by index.
    template <class W> QList<W *> controlArray(const char *name) const
    {
        QList<W *> members = m_client->findChildren<W *>(QString::fromLatin1(name));
        std::sort(members.begin(), members.end(), [](const W *a, const W *b) {
            return a->property(ControlIndexProperty).toInt() < b->property(ControlIndexProperty).toInt();
        });
        return members;
    }
    [[nodiscard]] QAction *menuItem(const char *name) const;
    // What assistive technology is told the window is: a dialog or a window.
    [[nodiscard]] QAccessible::Role accessibleRole() const { return m_accessibleRole; }

signals:
    void unloaded();

protected:
    // A window binds its controls once, as it is built; a name its design
    // lacks stops the program right there, never later in a handler.
    template <class W> W *bind(const char *name) const { return bound(control<W>(name), name); }
    template <class W> QList<W *> bindArray(const char *name) const
    {
        QList<W *> members = controlArray<W>(name);
        bound(members.value(0), name);
        return members;
    }
    QAction *bindMenuItem(const char *name) const { return bound(menuItem(name), name); }

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}

    // Runs handler when control loses the focus inside this window; the
    // window merely becoming inactive is not a loss of focus.
    template <class F> void handleLostFocus(QWidget *control, void (F::*handler)())
    {
        watchFocus(control, [this, handler] { runEvent([this, handler] { (static_cast<F *>(this)->*handler)(); }); });
    }

    // Connects a control array member's signal to the array's handler, which
    // receives the member's index.
    template <class Sender, class Signal, class F>
    void handle(Sender *sender, Signal signal, void (F::*handler)(int), int index)
    {
        connect(sender, signal, m_handlers, [this, handler, index] {
            runEvent([this, handler, index] { (static_cast<F *>(this)->*handler)(index); });
        });
    }

    // Connects a signal to an event handler run under RunHandler.
    template <class Sender, class Signal, class F> void handle(Sender *sender, Signal signal, void (F::*handler)())
    {
        connect(sender, signal, m_handlers,
                [this, handler] { runEvent([this, handler] { (static_cast<F *>(this)->*handler)(); }); });
    }

    void setVisible(bool visible) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    template <class Handler> void runEvent(Handler &&handler);
    template <class W> W *bound(W *control, const char *name) const
    {
        if (!control)
            failBinding(name);
        return control;
    }
    [[noreturn]] void failBinding(const char *name) const;
    void watchFocus(QWidget *control, std::function<void()> onLostFocus);
    void place(const FormDesign &design, QPoint clientOffset);
    void showNoDefaultButton(QWidget *focused);
    void bringForward();
    void restoreWithoutActivating();

    QWidget *m_client = nullptr;
    const bool m_isDialog;
    bool m_hasDefaultButton = false;
    // A fixed single border, one pixel around the client area, drawn by the
    // form itself: a window manager leaves a window without a title bar bare.
    int m_borderWidth = 0;

    bool m_closeBox = true;
    // Set once unloading starts: the window's controls may still send events
    // (a focused box losing its focus as it is destroyed), but no handler of
    // an unloaded window runs.
    bool m_unloaded = false;
    // Context of every handler connection and focus watcher; destroyed first,
    // so that nothing the controls send while QWidget destroys them reaches
    // a handler of this window.
    QObject *m_handlers = nullptr;
    QAccessible::Role m_accessibleRole;

    friend void LoadForm(Form &form);
    friend void Unload(Form &form);
};

bool HasEnded();

template <class Handler> void Form::runEvent(Handler &&handler)
{
    if (!HasEnded() && !m_unloaded)
        RunHandler(std::forward<Handler>(handler));
}

namespace detail {
Form *FindForm(std::type_index type);
void AddForm(std::type_index type, Form *form);
} // namespace detail

void LoadForm(Form &form);

// The window's single instance; the first reference loads it (Form_Load runs).
template <class F> F &Instance()
{
    if (Form *form = detail::FindForm(typeid(F)))
        return static_cast<F &>(*form);
    auto *form = new F();
    detail::AddForm(typeid(F), form);
    LoadForm(*form);
    return *form;
}

// The instance if loaded, without loading it.
template <class F> F *LoadedInstance()
{
    return static_cast<F *>(detail::FindForm(typeid(F)));
}

// Runs Form_Unload and destroys the window with everything drawn on it; the
// next reference loads a fresh copy.
void Unload(Form &form);

template <class F> void Unload()
{
    if (F *form = LoadedInstance<F>())
        Unload(*form);
}

// Ends the program at once: every window goes, and no further handler runs.
void End();

// Destroys every window without running handlers and forgets End; the state
// of a fresh process, for the end of main and for tests.
void ResetForms();

} // namespace platform
