#include "command_line_answer.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <windows.h>

namespace platform {

namespace {

bool HasStream(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// The console of the process that started this one (a command prompt), with
// the C streams pointed at it; false when there is none.
bool AttachToParentConsole()
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    return std::freopen("CONOUT$", "w", stdout) != nullptr && std::freopen("CONOUT$", "w", stderr) != nullptr;
}

} // namespace

void ShowCommandLineAnswer(const std::string &out, const std::string &err, int &argc, char **argv)
{
    // Streams redirected to a file or a pipe are inherited as they are.
    if (HasStream(STD_OUTPUT_HANDLE) || HasStream(STD_ERROR_HANDLE) || AttachToParentConsole()) {
        std::fputs(out.c_str(), stdout);
        std::fputs(err.c_str(), stderr);
        std::fflush(stdout);
        std::fflush(stderr);
        return;
    }
    const QApplication application(argc, argv);
    QMessageBox box(err.empty() ? QMessageBox::Information : QMessageBox::Warning, QStringLiteral("Curvista"),
                    QString::fromStdString(out + err), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace platform
