#include "frmmain.h"

#include "app/frmcontrol.h"
#include "app/pictures.h"
#include "graph/window/frmgraph.h"
#include "platform/forms/system_colors.h"

#include <QTimer>

using namespace platform;

namespace {

constexpr int SplashMilliseconds = 1000;

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook underBanner{.backColor = vbTitleBarText};
    return {
        .titleBar = false,
        .closeBox = false,
        .clientWidth = 6945,
        .clientHeight = 2700,
        .placement = Placement::CenterScreen,
        .showInTaskbar = true,
        .backColor = vbTitleBarText,
        .icon = ProgramIcon,
        // clang-format off
        .controls = {
            // name     kind   left   top  width height  tab         caption
            {"Image1", Image,     0,    0, 6960,  2250, NoTabIndex, {},                                    {.picture = SplashBanner, .description = QStringLiteral("Curvista 1.0, Brisvane")}},
            //: Under the splash window's banner, at the right; one line of at most 81 pixels.
            {"Label1", Label,  5640, 2280, 1215,   255, 0,          frmMain::tr("Version 1.00"),            underBanner},
            //: Under the splash window's banner, at the left; one line of at most 329 pixels.
            {"Label2", Label,   120, 2280, 4935,   255, 1,          frmMain::tr("Developer : Orvandel"),    underBanner},
        },
        // clang-format on
    };
}

} // namespace

frmMain::frmMain() : Form(Design()), m_timer1(new QTimer(this))
{
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(SplashMilliseconds);
    handle(m_timer1, &QTimer::timeout, &frmMain::Timer1_Timer);
    m_timer1->start();
}

void frmMain::Timer1_Timer()
{
    TickCount = AddInteger(TickCount, 1);
    if (TickCount != 1)
        return;
    Instance<frmControl>().Show();
    Instance<frmGraph>().Show();
    Unload(*this);
}
