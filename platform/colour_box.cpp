#include "colour_box.h"

#include "system_colors.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

ColourBox::ColourBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setBackColor(m_backColor);
}

void ColourBox::setBackColor(Colour colour)
{
    m_backColor = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    setPalette(palette);
}

void ColourBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ColourBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace platform
