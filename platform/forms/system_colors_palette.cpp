#include "system_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

// Where the windowing system has no system colors of its own, they are read
// from Qt's palette.
QColor SystemColor(Color color)
{
    const QPalette palette = QGuiApplication::palette();
    switch (color) {
    case vbScrollBars:
    case vbMenuBar:
        return palette.color(QPalette::Window);
    case vbWindowBackground:
        return palette.color(QPalette::Base);
    case vbWindowText:
        return palette.color(QPalette::Text);
    case vbWindowFrame:
        return palette.color(QPalette::WindowText);
    case vbApplicationWorkspace:
        return palette.color(QPalette::Dark);
    case vbHighlight:
        return palette.color(QPalette::Highlight);
    case vbHighlightText:
        return palette.color(QPalette::HighlightedText);
    case vbButtonFace:
        return palette.color(QPalette::Button);
    case vbButtonText:
        return palette.color(QPalette::ButtonText);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace platform
