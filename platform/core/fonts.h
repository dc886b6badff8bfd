#pragma once

#include <QFont>

namespace platform {

struct FontSpec
{
    double points = 8.0;
    bool bold = false;
};

// The design's "MS Sans Serif" at the given size, on an installed Thai face.
QFont DesignFont(FontSpec spec = {});

} // namespace platform
