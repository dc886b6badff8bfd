#include "fonts.h"

#include <cmath>

namespace platform {

namespace {

// Loma is the looped Thai sans closest to MS Sans Serif's Thai glyphs, but
// wider: condensed slightly, the designs' captions fit their controls.
constexpr auto SubstituteFamily = "Loma";
constexpr int SubstituteStretch = 97;
constexpr double DesignDotsPerInch = 96.0;

} // namespace

QFont DesignFont(FontSpec spec)
{
    QFont font(QString::fromLatin1(SubstituteFamily));
    // Pixel sizes keep the twip layouts true on screens of any logical DPI.
    font.setPixelSize(static_cast<int>(std::lround(spec.points * DesignDotsPerInch / 72.0)));
    font.setStretch(SubstituteStretch);
    font.setBold(spec.bold);
    return font;
}

} // namespace platform
