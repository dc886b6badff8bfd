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

protected:
    void Form_Load() override;
    void Form_Unload() override;

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
    // Shows the parabola the boxes describe over the graph, where asked for.
    void SketchParabola();
    [[nodiscard]] static double ValueOf(const QLineEdit *box);
};
