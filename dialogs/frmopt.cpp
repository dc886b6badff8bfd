#include "frmopt.h"

#include "platform/forms/color_box.h"
#include "platform/forms/system_colors.h"
#include "settings/settings.h"

#include <QPushButton>

using namespace platform;

namespace {

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook frame{.backColor = vbMenuBar};
    const auto inFrame = [](int index = -1, const QString &description = {}) {
        return ControlLook{.container = "Frame1", .index = index, .description = description};
    };
    const ControlLook note{.backColor = RGB(224, 224, 224), .wordWrap = true};
    return {
        //: Title of the colour dialog, which the control panel's menu item opens.
        .caption = frmOpt::tr("Option"),
        .border = BorderStyle::FixedToolWindow,
        .clientWidth = 3705,
        .clientHeight = 3345,
        .placement = Placement::WindowsDefault,
        .showInTaskbar = false,
        .backColor = vbScrollBars,
        // clang-format off
        .controls = {
            // name       kind           left   top  width height  tab caption
            //: Title of the frame around the four colour boxes; at most 120 pixels.
            {"Frame1",   Frame,          120,  120, 2055,  2415,  0, frmOpt::tr("กำหนดสี"), frame},
            //: Before the axes' colour box; one line of at most 57 pixels.
            {"Label1",   Label,          240,  360,  855,   255,  1, frmOpt::tr("แกน x , y :"), inFrame()},
            //: The axes' colour box, as a screen reader names it.
            {"PicCol",   PictureBox,    1200,  360,  375,   375,  2, QString(), inFrame(0, frmOpt::tr("สีแกน x , y"))},
            //: Before the grid lines' colour box; one line of at most 49 pixels.
            {"Label2",   Label,          240,  840,  735,   255,  3, frmOpt::tr("เส้นกริด :"), inFrame()},
            //: The grid lines' colour box, as a screen reader names it.
            {"PicCol",   PictureBox,    1200,  840,  375,   375,  4, QString(), inFrame(1, frmOpt::tr("สีเส้นกริด"))},
            //: Before the curves' colour box; one line of at most 57 pixels.
            {"Label3",   Label,          240, 1320,  855,   255,  5, frmOpt::tr("เส้นกราฟ :"), inFrame()},
            //: The curves' colour box, as a screen reader names it.
            {"PicCol",   PictureBox,    1200, 1320,  375,   375,  6, QString(), inFrame(2, frmOpt::tr("สีเส้นกราฟ"))},
            //: Before the background's colour box; one line of at most 49 pixels.
            {"Label5",   Label,          240, 1800,  735,   255, 10, frmOpt::tr("สีพื้นหลัง :"), inFrame()},
            //: The background's colour box, as a screen reader names it.
            {"PicCol",   PictureBox,    1200, 1800,  375,   375, 11, QString(), inFrame(3, frmOpt::tr("สีพื้นหลัง"))},
            //: The button that keeps the colours chosen; at most 69 pixels.
            {"Command1", CommandButton, 2280,  240, 1215,   495,  7, frmOpt::tr("ตกลง")},
            //: The button that forgets the colours chosen; at most 69 pixels.
            {"Command2", CommandButton, 2280,  840, 1215,   495,  8, frmOpt::tr("ยกเลิก")},
            //: The note at the bottom of the colour dialog: two lines of at most 233 pixels, after four blanks.
            //: In quotes, the words on the control panel's clear button, exactly as that button shows them.
            {"Label4",   Label,          120, 2640, 3495,   615,  9, frmOpt::tr("    สีทั้งหมดจะเปลี่ยนไปตามที่เลือก หลังจากกดปุ่ม \"ลบทั้งหมด\""), note},
        },
        // clang-format on
    };
}

// The setting each color box edits, by index.
Color *const Settings[] = {&graph_mdl::AxisColor, &graph_mdl::GridColor, &graph_mdl::PlotColor,
                           &graph_mdl::BackgroundColor};

} // namespace

frmOpt::frmOpt()
    : Form(Design()), PicCol(bindArray<ColorBox>("PicCol")), Command1(bind<QPushButton>("Command1")),
      Command2(bind<QPushButton>("Command2")), cdl1(CreateColorPicker())
{
    for (int index = 0; index < PicCol.size(); ++index)
        handle(PicCol[index], &ColorBox::clicked, &frmOpt::PicCol_Click, index);
    handle(Command1, &QPushButton::clicked, &frmOpt::Command1_Click);
    handle(Command2, &QPushButton::clicked, &frmOpt::Command2_Click);
}

void frmOpt::Form_Load()
{
    for (int index = 0; index < PicCol.size(); ++index)
        PicCol[index]->setBackColor(*Settings[index]);
}

void frmOpt::PicCol_Click(int Index)
{
    cdl1->Color = PicCol[Index]->backColor();
    cdl1->ShowColor();
    PicCol[Index]->setBackColor(cdl1->Color);
}

void frmOpt::Command1_Click()
{
    for (int index = 0; index < PicCol.size(); ++index)
        *Settings[index] = PicCol[index]->backColor();
    Unload(*this);
}

void frmOpt::Command2_Click()
{
    Unload(*this);
}
