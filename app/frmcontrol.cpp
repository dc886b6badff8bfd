#include "frmcontrol.h"

#include "app/pictures.h"
#include "dialogs/frmlinear.h"
#include "dialogs/frmopt.h"
#include "dialogs/frmpara.h"
#include "graph/window/frmgraph.h"
#include "graph/window/graph_mdl_routines.h"
#include "platform/forms/system_colors.h"

#include <QAction>
#include <QPushButton>

using namespace platform;

namespace {

FormDesign Design()
{
    using enum ControlKind;
    return {
        .caption = QStringLiteral("BCV"),
        .minButton = true,
        .clientWidth = 2055,
        .clientHeight = 2310,
        .placement = Placement::Manual,
        .clientLeft = 225,
        .clientTop = 2490,
        .icon = ProgramIcon,
        // clang-format off
        .menu = {
            //: The menu item that opens the colour dialog; & marks its access key (Alt+O).
            {"mnuOpt", frmControl::tr("&Option")},
            //: The menu item that ends the program; & marks its access key (Alt+X).
            {"mnuExt", frmControl::tr("E&xit")},
        },
        .controls = {
            // name          kind           left   top  width height  tab         caption
            {"Image1",      Image,          120,   120,  480,   480, NoTabIndex, {},                                          {.picture = ProgramIcon, .description = QStringLiteral("Curvista")}},
            {"Label1",      Label,          840,   120, 1095,   495, 3,          QStringLiteral("   Brisvane       Curvista"), {.backColor = vbTitleBarText, .wordWrap = true}},
            //: The button that opens the straight-line dialog; at most 109 pixels.
            {"cmdLinear",   CommandButton,  120,   720, 1815,   375, 0,          frmControl::tr("กราฟเส้นตรง")},
            //: The button that opens the parabola dialog; at most 109 pixels.
            {"cmdParabola", CommandButton,  120,  1200, 1815,   375, 2,          frmControl::tr("กราฟพาราโบลา")},
            {"Command2",    PictureButton,  120,  1680, 1815,   495, 1,          {},                                          {.picture = EraserPicture, .description = EraserWords()}},
        },
        // clang-format on
    };
}

} // namespace

frmControl::frmControl()
    : Form(Design()), cmdLinear(bind<QPushButton>("cmdLinear")), cmdParabola(bind<QPushButton>("cmdParabola")),
      Command2(bind<QPushButton>("Command2")), mnuOpt(bindMenuItem("mnuOpt")), mnuExt(bindMenuItem("mnuExt"))
{
    handle(cmdLinear, &QPushButton::clicked, &frmControl::cmdLinear_Click);
    handle(cmdParabola, &QPushButton::clicked, &frmControl::cmdParabola_Click);
    handle(Command2, &QPushButton::clicked, &frmControl::Command2_Click);
    handle(mnuOpt, &QAction::triggered, &frmControl::mnuOpt_Click);
    handle(mnuExt, &QAction::triggered, &frmControl::mnuExt_Click);
}

void frmControl::Form_Load()
{
    graph_mdl::DrawGrid();
}

void frmControl::Form_Resize()
{
    Instance<frmGraph>().setWindowStateValue(windowStateValue());
}

void frmControl::Form_Unload()
{
    End();
}

void frmControl::cmdLinear_Click()
{
    Instance<frmLinear>().Show();
}

void frmControl::cmdParabola_Click()
{
    Instance<frmPara>().Show();
}

void frmControl::Command2_Click()
{
    Unload<frmGraph>();
    Instance<frmGraph>().Show();
    graph_mdl::DrawGrid();
    SetFocus();
}

void frmControl::mnuOpt_Click()
{
    Instance<frmOpt>().Show(vbModal);
}

void frmControl::mnuExt_Click()
{
    End();
}
