#pragma once

#include "platform/colour_box.h"
#include "platform/colour_picker.h"
#include "platform/form.h"

#include <memory>

class QPushButton;

// The colour options dialog: four colour boxes as working copies of the
// colour settings, written back only by OK.
class frmOpt : public platform::Form
{
    Q_OBJECT

public:
    frmOpt();

protected:
    void Form_Load() override;

private:
    const QList<platform::ColourBox *> PicCol;
    QPushButton *const Command1;
    QPushButton *const Command2;

    void PicCol_Click(int Index);
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<platform::ColourPicker> cdl1;
};
