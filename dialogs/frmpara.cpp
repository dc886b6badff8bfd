#include "frmpara.h"

#include "graph/graph_routines.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;

namespace {

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook equation{.font = FontSpec{.points = 14.25}};
    const auto exponent = [](const QString &line) {
        return ControlLook{.font = FontSpec{.points = 8.25, .bold = true},
                           .description = QStringLiteral("ยกกำลังสอง (") + line + QStringLiteral(")")};
    };
    const ControlLook drawButton{.isDefault = true};
    return {
        .caption = QStringLiteral("เขียนกราฟพาราโบลา"),
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
            {"Label2",   Label,          120,  240, 1095,   375,  2, QStringLiteral("รูปมาตรฐาน :")},
            {"Label1",   Label,         1560,  120, 3615,   495,  3, QStringLiteral("y  =  ax   +  bx + c"), equation},
            {"Label4",   Label,         2520,  120,  135,   255,  4, QStringLiteral("2"), exponent(QStringLiteral("รูปมาตรฐาน"))},
            {"Label3",   Label,          120,  840, 1215,   375,  1, QStringLiteral("สมการปัจจุบัน :")},
            {"lblCurEQ", Label,         1560,  720, 3615,   495,  0, QStringLiteral("y  =  1x   +  0x + 0"), equation},
            {"Label5",   Label,         2520,  720,  135,   255,  5, QStringLiteral("2"), exponent(QStringLiteral("สมการปัจจุบัน"))},
            {"Label6",   Label,          240, 1560, 2895,   375,  6, QStringLiteral("กำหนดค่า a (สามารถเป็นทศนิยทมได้ ) : ")},
            {"txta",     TextBox,       3240, 1560, 3255,   375,  9, QStringLiteral("1")},
            {"Label7",   Label,          240, 2040, 2895,   375,  7, QStringLiteral("กำหนดค่า b (สามารถเป็นทศนิยทมได้ ) : ")},
            {"txtb",     TextBox,       3240, 2040, 3255,   375, 10, QStringLiteral("0")},
            {"Label8",   Label,          240, 2520, 2895,   375,  8, QStringLiteral("กำหนดค่า c (สามารถเป็นทศนิยทมได้ ) : ")},
            {"txtc",     TextBox,       3240, 2520, 3255,   375, 11, QStringLiteral("0")},
            {"cmdOK",    CommandButton, 1080, 3240, 2175,   495, 13, QStringLiteral("เขียนกราฟ"), drawButton},
            {"cmdExit",  CommandButton, 3480, 3240, 2175,   495, 12, QStringLiteral("ปิดหน้าต่างนี้")},
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
    lblCurEQ->setText(QStringLiteral("y  =  ") + DoubleToText(a) + QStringLiteral("x  +  ") + DoubleToText(b) +
                      QStringLiteral("x  +  ") + DoubleToText(c));
}

void frmPara::cmdOK_Click()
{
    const auto a = static_cast<Single>(ValueOf(txta));
    const auto b = static_cast<Single>(ValueOf(txtb));
    const auto c = static_cast<Single>(ValueOf(txtc));
    graph_mdl::PlotParabola(a, b, c);
}

void frmPara::cmdExit_Click()
{
    Unload(*this);
}
