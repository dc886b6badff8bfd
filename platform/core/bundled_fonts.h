#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The folder "fonts" beside the executable. A Windows build ships its Thai
// face there, as Windows has none like it; a Linux build uses the installed
// fonts and has no such folder.
QString BundledFontFolder();

// Makes every font file in folder available to the program and returns the
// files registered; a file that cannot be read is reported and skipped.
QStringList RegisterBundledFonts(const QString &folder = BundledFontFolder());

} // namespace platform
