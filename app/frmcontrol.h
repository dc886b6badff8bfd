#pragma once

#include "platform/forms/form.h"

class QAction;
class QPushButton;

// The control panel: opens the other windows, clears the graph and ends the
// program. Its window state is mirrored by the graph window.
class frmControl : public platform::Form
{
    Q_OBJECT

public:
    frmControl();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;

private:
    QPushButton *const cmdLinear;
    QPushButton *const cmdParabola;
    QPushButton *const Command2;
    QAction *const mnuOpt;
    QAction *const mnuExt;

    void cmdLinear_Click();
    void cmdParabola_Click();
    void Command2_Click();
    void mnuOpt_Click();
    void mnuExt_Click();
};
