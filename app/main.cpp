#include "app/command_line.h"
#include "app/graph_mdl.h"
#include "app/version.h"
#include "platform/error_message.h"
#include "platform/form.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Answered before QApplication, which needs a display.
    if (const auto outcome = HandleCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
        std::fputs(outcome->out.c_str(), stdout);
        std::fputs(outcome->err.c_str(), stderr);
        return outcome->exitCode;
    }

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(version::CompanyName));
    QApplication::setApplicationName(QString::fromLatin1(version::ApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(version::ProductVersion));
    QApplication::setApplicationDisplayName(QString::fromLatin1(version::ApplicationName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(version::DesktopId));
    // The program ends only by its own End.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::SetErrorSink(platform::ShowErrorMessage);

    graph_mdl::Main();
    const int exitCode = QApplication::exec();
    platform::ResetForms();
    return exitCode;
}
