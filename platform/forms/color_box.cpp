#include "color_box.h"

#include "system_colors.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

namespace platform {

namespace {

constexpr int FrameWidth = 2;

} // namespace

ColorBox::ColorBox(QWidget *parent) : QAbstractButton(parent)
{
    // A button fills with its button color; this one shows its own color.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setBackColor(m_backColor);
}

void ColorBox::setBackColor(Color color)
{
    m_backColor = color;
    const QColor shown = ToQColor(color);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, shown);
    setPalette(palette);
    setAccessibleDescription(QStringLiteral("RGB(%1, %2, %3)").arg(shown.red()).arg(shown.green()).arg(shown.blue()));
}

void ColorBox::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::Panel;
    frame.lineWidth = FrameWidth;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(FrameWidth + 1, FrameWidth + 1, -FrameWidth - 1, -FrameWidth - 1);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// Space is the button's own key; Enter presses it as well, like a dialog's
// buttons on the platforms this design comes from.
void ColorBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace platform
