#include "graph_mdl.h"

#include "app/frmmain.h"

namespace graph_mdl {

void Main()
{
    using platform::RGB;
    AxisColor = RGB(100, 100, 100);
    GridColor = RGB(220, 220, 220);
    PlotColor = RGB(0, 0, 0);
    BackgroundColor = RGB(255, 255, 255);
    platform::Instance<frmMain>().Show();
}

} // namespace graph_mdl
