#include "system_colors.h"

#include <windows.h>

namespace platform {

// A design's system color names Windows's own color index in its low byte,
// so the colors follow the user's Windows theme as the designs intended.
QColor SystemColor(Color color)
{
    const COLORREF value = GetSysColor(static_cast<int>(ColorValue(color) & 0xFFU));
    return QColor(GetRValue(value), GetGValue(value), GetBValue(value));
}

} // namespace platform
