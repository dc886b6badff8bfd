#pragma once

#include "platform/values.h"

#include <QColor>

namespace platform {

// The windowing system's color numbers, written 0x800000nn in a design.
enum SystemColor : Color {
    vbScrollBars = 0x80000000U,
    vbMenuBar = 0x80000004U,
    vbWindowBackground = 0x80000005U,
    vbWindowFrame = 0x80000006U,
    vbWindowText = 0x80000008U,
    vbTitleBarText = 0x80000009U,
    vbApplicationWorkspace = 0x8000000CU,
    vbHighlight = 0x8000000DU,
    vbHighlightText = 0x8000000EU,
    vbButtonFace = 0x8000000FU,
    vbButtonText = 0x80000012U,
};

constexpr bool IsSystemColor(Color color)
{
    return (color & 0xFF000000U) == 0x80000000U;
}

// A design color as the screen shows it: system colors from the platform
// (Windows's own colors, elsewhere Qt's palette), everything else as its RGB
// value.
QColor ToQColor(Color color);

// The platform's color for one of the system color numbers.
QColor SystemColor(Color color);

} // namespace platform
