#pragma once

#include "platform/core/values.h"

#include <QColor>

namespace platform {

// The windowing system's color numbers, written 0x800000nn in a design.
constexpr Color vbScrollBars{0x80000000U};
constexpr Color vbMenuBar{0x80000004U};
constexpr Color vbWindowBackground{0x80000005U};
constexpr Color vbWindowFrame{0x80000006U};
constexpr Color vbWindowText{0x80000008U};
constexpr Color vbTitleBarText{0x80000009U};
constexpr Color vbApplicationWorkspace{0x8000000CU};
constexpr Color vbHighlight{0x8000000DU};
constexpr Color vbHighlightText{0x8000000EU};
constexpr Color vbButtonFace{0x8000000FU};
constexpr Color vbButtonText{0x80000012U};

constexpr bool IsSystemColor(Color color)
{
    return (ColorValue(color) & 0xFF000000U) == 0x80000000U;
}

// The design color nearest what Qt shows.
inline Color FromQColor(const QColor &color)
{
    return RGB(color.red(), color.green(), color.blue());
}

// A design color as the screen shows it: system colors from the platform
// (Windows's own colors, elsewhere Qt's palette), everything else as its RGB
// value.
QColor ToQColor(Color color);

// The platform's color for one of the system color numbers.
QColor SystemColor(Color color);

} // namespace platform
