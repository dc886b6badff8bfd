#include "frmlinear.h"

#include "graph/engine/equation_text.h"
#include "graph/window/graph_mdl_routines.h"
#include "settings/settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;

namespace {

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook equation{.font = FontSpec{.points = 14.25}};
    const ControlLook drawButton{.isDefault = true};
    return {
        //: Title of the straight-line dialog.
        .caption = frmLinear::tr("เขียนกราฟเส้นตรง"),
        .border = BorderStyle::FixedToolWindow,
        .clientWidth = 5265,
        .clientHeight = 3765,
        .placement = Placement::Manual,
        .clientLeft = 3555,
        .clientTop = 3870,
        .showInTaskbar = false,
        // clang-format off
        .controls = {
            // name       kind           left   top  width height tab caption
            //: Before the equation y = mx + c; one line of at most 73 pixels.
            {"Label2",   Label,          120,  240, 1095,   375, 1, frmLinear::tr("รูปมาตรฐาน :")},
            {"Label1",   Label,         1560,  120, 3615,   495, 0, QStringLiteral("y  =  mx  +  c"), equation},
            //: Before the equation as typed in the boxes below; one line of at most 81 pixels.
            {"Label3",   Label,          120,  840, 1215,   375, 2, frmLinear::tr("สมการปัจจุบัน :")},
            {"lblCurEQ", Label,         1560,  720, 3615,   495, 3, QStringLiteral("y  =  1x  +  10"), equation},
            //: Before the box for the slope m, which also takes it as its name; one line of at most 193 pixels.
            {"Label5",   Label,          120, 1440, 2895,   375, 4, frmLinear::tr("กำหนดค่า m (สามารถเป็นทศนิยมได้ ) : ")},
            {"txtM",     TextBox,       3000, 1440, 2175,   375, 5, QStringLiteral("1")},
            //: Before the box for the intercept c, which also takes it as its name; one line of at most 193 pixels.
            {"Label6",   Label,          120, 2040, 2895,   375, 6, frmLinear::tr("กำหนดค่า c (สามารถเป็นทศนิยมได้ ) : ")},
            {"txtc",     TextBox,       3000, 2040, 2175,   375, 7, QStringLiteral("10")},
            //: The button that draws the line (Enter presses it); at most 133 pixels.
            {"cmdOK",    CommandButton,  240, 2880, 2175,   495, 8, frmLinear::tr("เขียนกราฟ"), drawButton},
            //: The button that closes the dialog; at most 133 pixels.
            {"cmdExit",  CommandButton, 2640, 2880, 2175,   495, 9, frmLinear::tr("ปิดหน้าต่างนี้")},
        },
        // clang-format on
    };
}

} // namespace

frmLinear::frmLinear()
    : Form(Design()), lblCurEQ(bind<QLabel>("lblCurEQ")), txtM(bind<QLineEdit>("txtM")), txtc(bind<QLineEdit>("txtc")),
      cmdOK(bind<QPushButton>("cmdOK")), cmdExit(bind<QPushButton>("cmdExit"))
{
    handle(txtc, &QLineEdit::textChanged, &frmLinear::txtc_Change);
    handleLostFocus(txtM, &frmLinear::txtM_LostFocus);
    handle(cmdOK, &QPushButton::clicked, &frmLinear::cmdOK_Click);
    handle(cmdExit, &QPushButton::clicked, &frmLinear::cmdExit_Click);
}

void frmLinear::Form_Load()
{
    graph_mdl::LinearSlope = 1;
    graph_mdl::LinearIntercept = 10;
    SketchLine();
}

void frmLinear::Form_Unload()
{
    graph_mdl::Graph().setTypedCurve(this, std::nullopt);
}

void frmLinear::txtc_Change()
{
    graph_mdl::LinearIntercept = static_cast<Single>(Val(txtc->text()));
    RewriteEquation();
}

void frmLinear::txtM_LostFocus()
{
    graph_mdl::LinearSlope = static_cast<Single>(Val(txtM->text()));
    RewriteEquation();
}

void frmLinear::RewriteEquation()
{
    lblCurEQ->setText(graph::EquationText(
        {{SingleToText(graph_mdl::LinearSlope), QStringLiteral("x")}, {SingleToText(graph_mdl::LinearIntercept), {}}}));
    SketchLine();
}

void frmLinear::SketchLine()
{
    graph_mdl::Graph().setTypedCurve(this,
                                     graph::Polynomial{.b = graph_mdl::LinearSlope, .c = graph_mdl::LinearIntercept});
}

void frmLinear::cmdOK_Click()
{
    graph_mdl::PlotLinear(graph_mdl::LinearSlope, graph_mdl::LinearIntercept);
    // The line drawn takes the sketch's place.
    graph_mdl::Graph().setTypedCurve(this, std::nullopt);
}

void frmLinear::cmdExit_Click()
{
    Unload(*this);
}
