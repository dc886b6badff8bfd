#include "system_colors.h"

namespace platform {

QColor ToQColor(Color color)
{
    // The designs were made on the classic palette, where title-bar text is
    // white, and use it as a white background; today's Windows makes it black.
    if (color == vbTitleBarText)
        return Qt::white;
    if (IsSystemColor(color))
        return SystemColor(color);
    return QColor::fromRgb(ToQRgb(color));
}

} // namespace platform
