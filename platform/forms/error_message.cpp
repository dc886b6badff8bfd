#include "error_message.h"

#include "active_window.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void ShowErrorMessage(const RuntimeError &error)
{
#ifdef Q_OS_WASM
    // A page cannot wait for the message inside the handler of the key that
    // raised the error: the message is shown modal, the handler returns, and
    // closing the message gives the activation back.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    auto *box = new QMessageBox(QMessageBox::Critical, QApplication::applicationDisplayName(), ReportText(error),
                                QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, [owner] {
        if (owner && owner->isVisible()) {
            owner->raise();
            owner->activateWindow();
        }
    });
    box->show();
#else
    OverActiveWindow([&error](QWidget *owner) {
        return QMessageBox::critical(owner, QApplication::applicationDisplayName(), ReportText(error));
    });
#endif
}

} // namespace platform
