#include "system_colors.h"

namespace platform {

QColor ToQColor(Color color)
{
    if (IsSystemColor(color))
        return SystemColor(color);
    return QColor::fromRgb(ToQRgb(color));
}

} // namespace platform
