#pragma once

#include "platform/core/values.h"

#include <QAbstractButton>

namespace platform {

// A picture box showing one color. It looks like a sunken color swatch but
// is a button for the keyboard and assistive technology: it takes the focus,
// shows it, is pressed by the mouse, Space or Enter, and says its color.
class ColorBox : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ColorBox(QWidget *parent = nullptr);

    [[nodiscard]] Color backColor() const { return m_backColor; }
    void setBackColor(Color color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Color m_backColor{};
};

} // namespace platform
