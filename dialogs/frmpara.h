#pragma once

#include "platform/form.h"

// The parabola dialog: keeps nothing; every handler reads the three boxes.
class frmPara : public platform::Form
{
    Q_OBJECT

public:
    frmPara();

private:
    void txta_Change();
    void txtb_Change();
    void txtc_Change();
    void cmdOK_Click();
    void cmdExit_Click();
    void RewriteEquation();
    [[nodiscard]] double ValueOf(const char *box) const;
};
