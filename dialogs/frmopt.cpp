#include "frmopt.h"

#include "platform/color_box.h"
#include "platform/system_colors.h"
#include "settings/settings.h"

#include <QPushButton>

using namespace platform;

namespace {

const QString Note = QStringLiteral("    สีทั้งหมดจะเปลี่ยนไปตามที่เลือก หลังจากกดปุ่ม \"ลบทั้งหมด\"");

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook frame{.backColor = vbMenuBar};
    const auto inFrame = [](int index = -1, const QString &description = {}) {
        return ControlLook{.container = "Frame1", .index = index, .description = description};
    };
    const ControlLook note{.backColor = RGB(224, 224, 224), .wordWrap = true};
    return {
        .caption = QStringLiteral("Option"),
        .border = BorderStyle::FixedToolWindow,
        .clientWidth = 3705,
        .clientHeight = 3345,
        .placement = Placement::WindowsDefault,
        .showInTaskbar = false,
        .backColor = vbScrollBars,
        // clang-format off
        .controls = {
            // name       kind           left   top  width height  tab caption
            {"Frame1",   Frame,          120,  120, 2055,  2415,  0, QStringLiteral("กำหนดสี"), frame},
            {"Label1",   Label,          240,  360,  855,   255,  1, QStringLiteral("แกน x , y :"), inFrame()},
            {"PicCol",   PictureBox,    1200,  360,  375,   375,  2, {}, inFrame(0, QStringLiteral("สีแกน x , y"))},
            {"Label2",   Label,          240,  840,  735,   255,  3, QStringLiteral("เส้นกริด :"), inFrame()},
            {"PicCol",   PictureBox,    1200,  840,  375,   375,  4, {}, inFrame(1, QStringLiteral("สีเส้นกริด"))},
            {"Label3",   Label,          240, 1320,  855,   255,  5, QStringLiteral("เส้นกราฟ :"), inFrame()},
            {"PicCol",   PictureBox,    1200, 1320,  375,   375,  6, {}, inFrame(2, QStringLiteral("สีเส้นกราฟ"))},
            {"Label5",   Label,          240, 1800,  735,   255, 10, QStringLiteral("สีพื้นหลัง :"), inFrame()},
            {"PicCol",   PictureBox,    1200, 1800,  375,   375, 11, {}, inFrame(3, QStringLiteral("สีพื้นหลัง"))},
            {"Command1", CommandButton, 2280,  240, 1215,   495,  7, QStringLiteral("ตกลง")},
            {"Command2", CommandButton, 2280,  840, 1215,   495,  8, QStringLiteral("ยกเลิก")},
            {"Label4",   Label,          120, 2640, 3495,   615,  9, Note, note},
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
