#pragma once

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>

namespace platform {

// Runs a modal window (a message, a picker) over the active window, then
// makes that window active again: a window manager does not always give the
// activation back to a tool window when the modal window closes.
template <class ShowModal> auto OverActiveWindow(ShowModal &&showModal)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    const auto giveBack = qScopeGuard([&owner] {
        if (owner && owner->isVisible()) {
            owner->raise();
            owner->activateWindow();
        }
    });
    return showModal(owner.data());
}

} // namespace platform
