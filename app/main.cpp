#include "app/graph_mdl.h"
#include "platform/error_message.h"
#include "platform/form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Curvista"));
    QApplication::setApplicationDisplayName(QStringLiteral("Curvista"));
    // The program ends only by its own End.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::SetErrorSink(platform::ShowErrorMessage);

    graph_mdl::Main();
    const int exitCode = QApplication::exec();
    platform::ResetForms();
    return exitCode;
}
