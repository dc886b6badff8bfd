#pragma once

#include "platform/forms/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The parabola dialog: keeps nothing; every handler reads the three boxes.
class frmPara : public platform::Form
{
    Q_OBJECT

public:
    frmPara();

private:
    QLabel *const lblCurEQ;
    QLineEdit *const txta;
    QLineEdit *const txtb;
    QLineEdit *const txtc;
    QPushButton *const cmdOK;
    QPushButton *const cmdExit;

    void txta_Change();
    void txtb_Change();
    void txtc_Change();
    void cmdOK_Click();
    void cmdExit_Click();
    void RewriteEquation();
    [[nodiscard]] static double ValueOf(const QLineEdit *box);
};
