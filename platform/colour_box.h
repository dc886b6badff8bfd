#pragma once

#include "values.h"

#include <QFrame>

namespace platform {

// A picture box showing one colour; clicked by mouse, Space or Enter.
class ColourBox : public QFrame
{
    Q_OBJECT

public:
    explicit ColourBox(QWidget *parent = nullptr);

    [[nodiscard]] Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Colour m_backColor = 0;
};

} // namespace platform
