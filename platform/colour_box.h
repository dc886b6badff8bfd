#pragma once

#include "platform/values.h"

#include <QAbstractButton>

namespace platform {

// A picture box showing one colour. It looks like a sunken colour swatch but
// is a button for the keyboard and assistive technology: it takes the focus,
// shows it, is pressed by the mouse, Space or Enter, and says its colour.
class ColourBox : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ColourBox(QWidget *parent = nullptr);

    [[nodiscard]] Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Colour m_backColor = 0;
};

} // namespace platform
