// Build tool: writes the 32 x 32 icon to the files given on the command line
// (the format follows each name's suffix: .png, .ico).
#include "app/pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QImage icon = ProgramIcon();
    for (int i = 1; i < argc; ++i) {
        if (!icon.save(QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "curvista_icon_export: cannot write %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
