#include "frmpara.h"

#include "graph/engine/equation_text.h"
#include "graph/window/graph_mdl_routines.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace platform;

namespace {

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook equation{.font = FontSpec{.points = 14.25}};
    const auto exponent = [](const QString &description) {
        return ControlLook{.font = FontSpec{.points = 8.25, .bold = true}, .description = description};
    };
    const ControlLook drawButton{.isDefault = true};
    return {
        //: Title of the parabola dialog.
        .caption = frmPara::tr("เขียนกราฟพาราโบลา"),
        .border = BorderStyle::FixedToolWindow,
        .clientWidth = 6960,
        .clientHeight = 3945,
        .placement = Placement::Manual,
        .clientLeft = 2820,
        .clientTop = 3870,
        .showInTaskbar = false,
        // clang-format off
        .controls = {
            // name       kind           left   top  width height  tab caption
            //: Before the equation y = ax² + bx + c; one line of at most 73 pixels.
            {"Label2",   Label,          120,  240, 1095,   375,  2, frmPara::tr("รูปมาตรฐาน :")},
            {"Label1",   Label,         1560,  120, 3615,   495,  3, QStringLiteral("y  =  ax   +  bx + c"), equation},
            //: What a screen reader says for the small 2 of x² in the standard form.
            {"Label4",   Label,         2520,  120,  135,   255,  4, QStringLiteral("2"), exponent(frmPara::tr("ยกกำลังสอง (รูปมาตรฐาน)"))},
            //: Before the equation as typed in the boxes below; one line of at most 81 pixels.
            {"Label3",   Label,          120,  840, 1215,   375,  1, frmPara::tr("สมการปัจจุบัน :")},
            {"lblCurEQ", Label,         1560,  720, 3615,   495,  0, QStringLiteral("y  =  1x   +  0x + 0"), equation},
            //: What a screen reader says for the small 2 of x² in the equation as typed.
            {"Label5",   Label,         2520,  720,  135,   255,  5, QStringLiteral("2"), exponent(frmPara::tr("ยกกำลังสอง (สมการปัจจุบัน)"))},
            //: Before the box for a, which also takes it as its name; one line of at most 193 pixels.
            {"Label6",   Label,          240, 1560, 2895,   375,  6, frmPara::tr("กำหนดค่า a (สามารถเป็นทศนิยมได้ ) : ")},
            {"txta",     TextBox,       3240, 1560, 3255,   375,  9, QStringLiteral("1")},
            //: Before the box for b, which also takes it as its name; one line of at most 193 pixels.
            {"Label7",   Label,          240, 2040, 2895,   375,  7, frmPara::tr("กำหนดค่า b (สามารถเป็นทศนิยมได้ ) : ")},
            {"txtb",     TextBox,       3240, 2040, 3255,   375, 10, QStringLiteral("0")},
            //: Before the box for c, which also takes it as its name; one line of at most 193 pixels.
            {"Label8",   Label,          240, 2520, 2895,   375,  8, frmPara::tr("กำหนดค่า c (สามารถเป็นทศนิยมได้ ) : ")},
            {"txtc",     TextBox,       3240, 2520, 3255,   375, 11, QStringLiteral("0")},
            //: The button that draws the parabola (Enter presses it); at most 133 pixels.
            {"cmdOK",    CommandButton, 1080, 3240, 2175,   495, 13, frmPara::tr("เขียนกราฟ"), drawButton},
            //: The button that closes the dialog; at most 133 pixels.
            {"cmdExit",  CommandButton, 3480, 3240, 2175,   495, 12, frmPara::tr("ปิดหน้าต่างนี้")},
        },
        // clang-format on
    };
}

} // namespace

frmPara::frmPara()
    : Form(Design()), lblCurEQ(bind<QLabel>("lblCurEQ")), txta(bind<QLineEdit>("txta")), txtb(bind<QLineEdit>("txtb")),
      txtc(bind<QLineEdit>("txtc")), cmdOK(bind<QPushButton>("cmdOK")), cmdExit(bind<QPushButton>("cmdExit"))
{
    handle(txta, &QLineEdit::textChanged, &frmPara::txta_Change);
    handle(txtb, &QLineEdit::textChanged, &frmPara::txtb_Change);
    handle(txtc, &QLineEdit::textChanged, &frmPara::txtc_Change);
    handle(cmdOK, &QPushButton::clicked, &frmPara::cmdOK_Click);
    handle(cmdExit, &QPushButton::clicked, &frmPara::cmdExit_Click);
}

void frmPara::Form_Load()
{
    SketchParabola();
}

void frmPara::Form_Unload()
{
    graph_mdl::Graph().setTypedCurve(this, std::nullopt);
}

void frmPara::txta_Change()
{
    RewriteEquation();
}

void frmPara::txtb_Change()
{
    RewriteEquation();
}

void frmPara::txtc_Change()
{
    RewriteEquation();
}

double frmPara::ValueOf(const QLineEdit *box)
{
    return Val(box->text());
}

void frmPara::RewriteEquation()
{
    const double a = ValueOf(txta);
    const double b = ValueOf(txtb);
    const double c = ValueOf(txtc);
    // The square is the raised "2" beside the label.
    lblCurEQ->setText(graph::EquationText(
        {{DoubleToText(a), QStringLiteral("x")}, {DoubleToText(b), QStringLiteral("x")}, {DoubleToText(c), {}}}));
    SketchParabola();
}

// As the draw button would draw it, each coefficient a Single; nothing
// where one is beyond a Single, which drawing would report.
void frmPara::SketchParabola()
{
    const graph::Polynomial curve{static_cast<Single>(ValueOf(txta)), static_cast<Single>(ValueOf(txtb)),
                                  static_cast<Single>(ValueOf(txtc))};
    const bool drawable = std::isfinite(curve.a) && std::isfinite(curve.b) && std::isfinite(curve.c);
    graph_mdl::Graph().setTypedCurve(this, drawable ? std::optional(curve) : std::nullopt);
}

void frmPara::cmdOK_Click()
{
    const auto a = static_cast<Single>(ValueOf(txta));
    const auto b = static_cast<Single>(ValueOf(txtb));
    const auto c = static_cast<Single>(ValueOf(txtc));
    graph_mdl::PlotParabola(a, b, c);
    // The parabola drawn takes the sketch's place.
    graph_mdl::Graph().setTypedCurve(this, std::nullopt);
}

void frmPara::cmdExit_Click()
{
    Unload(*this);
}
