#include "error_message.h"

#include "active_window.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void ShowErrorMessage(const RuntimeError &error)
{
    OverActiveWindow([&error](QWidget *owner) {
        return QMessageBox::critical(owner, QApplication::applicationDisplayName(), ReportText(error));
    });
}

} // namespace platform
