#pragma once

#include "platform/forms/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The linear equation dialog: m is stored when its box loses the focus, c on
// every change, and the draw button plots the stored pair.
class frmLinear : public platform::Form
{
    Q_OBJECT

public:
    frmLinear();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    QLabel *const lblCurEQ;
    QLineEdit *const txtM;
    QLineEdit *const txtc;
    QPushButton *const cmdOK;
    QPushButton *const cmdExit;

    void txtc_Change();
    void txtM_LostFocus();
    void cmdOK_Click();
    void cmdExit_Click();
    void RewriteEquation();
    // Shows the line the equation describes over the graph, where asked for.
    void SketchLine();
};
