#include "bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace platform {

QString BundledFontFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("fonts"));
}

QStringList RegisterBundledFonts(const QString &folder)
{
    QStringList registered;
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        const QString file = dir.filePath(name);
        if (QFontDatabase::addApplicationFont(file) < 0)
            qWarning("Curvista: cannot load the font %s", qPrintable(QDir::toNativeSeparators(file)));
        else
            registered.append(file);
    }
    return registered;
}

} // namespace platform
