#pragma once

#include "platform/forms/form.h"

class QTimer;

// The splash window: at its timer's first tick it opens the control panel and
// the graph window, then unloads itself.
class frmMain : public platform::Form
{
    Q_OBJECT

public:
    frmMain();

    [[nodiscard]] platform::Integer tickCount() const { return TickCount; }
    void Timer1_Timer();

private:
    platform::Integer TickCount = 0;
    QTimer *m_timer1 = nullptr;
};
