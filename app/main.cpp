#include "app/command_line.h"
#include "app/frmmain.h"
#include "app/graph_mdl.h"
#include "app/translations.h"
#include "app/version.h"
#include "platform/core/bundled_fonts.h"
#include "platform/core/fonts.h"
#include "platform/forms/command_line_answer.h"
#include "platform/forms/error_message.h"
#include "platform/forms/form.h"
#include "platform/forms/page.h"

#include <QApplication>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    Translations translations(ChooseLanguage(QLocale::system().uiLanguages()));
    // Answered before QApplication, which needs a display.
    if (const auto outcome = HandleCommandLine(arguments, translations)) {
        platform::ShowCommandLineAnswer(outcome->out, outcome->err, argc, argv);
        return outcome->exitCode;
    }
    if (const auto platform = PreferredPlatform(
            arguments, {Environment("QT_QPA_PLATFORM"), Environment("WAYLAND_DISPLAY"), Environment("DISPLAY")}))
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));

    QApplication application(argc, argv);
    platform::RegisterBundledFonts();
#ifdef Q_OS_WASM
    // A page has no system font for menus and messages: the design's stands in.
    QApplication::setFont(platform::DesignFont());
#endif
    translations.install();
    QApplication::setOrganizationName(QString::fromLatin1(version::CompanyName));
    QApplication::setApplicationName(QString::fromLatin1(version::ApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(version::ProductVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(version::DesktopId));
    // The program ends only by its own End.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::SetErrorSink(platform::ShowErrorMessage);

    graph_mdl::Main();
    // The page keeps the site for offline use only once the program is up, so
    // that the first visit does not download the program twice as it starts.
    QObject::connect(&platform::Instance<frmMain>(), &platform::Form::unloaded,
                     [] { platform::TellPage("curvistaStarted"); });
    if (const auto lesson = LessonToOpen(arguments)) {
        // On the first graph: the splash's tick shows it, then unloads the splash.
        QObject::connect(&platform::Instance<frmMain>(), &platform::Form::unloaded, [path = *lesson] {
            platform::RunHandler([&path] { graph_mdl::OpenLesson(QString::fromLocal8Bit(path)); });
        });
    }
    const int exitCode = QApplication::exec();
    platform::ResetForms();
    graph_mdl::ResetGraph();
    return exitCode;
}
