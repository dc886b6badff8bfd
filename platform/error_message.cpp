#include "error_message.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void ShowErrorMessage(const RuntimeError &error)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), ReportText(error));
}

} // namespace platform
