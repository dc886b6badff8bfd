#pragma once

#include "platform/forms/color_box.h"
#include "platform/forms/color_picker.h"
#include "platform/forms/form.h"

#include <memory>

class QPushButton;

// The color options dialog: four color boxes as working copies of the
// color settings, written back only by OK.
class frmOpt : public platform::Form
{
    Q_OBJECT

public:
    frmOpt();

protected:
    void Form_Load() override;

private:
    const QList<platform::ColorBox *> PicCol;
    QPushButton *const Command1;
    QPushButton *const Command2;

    void PicCol_Click(int Index);
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<platform::ColorPicker> cdl1;
};
