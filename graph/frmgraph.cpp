#include "frmgraph.h"

#include "platform/system_colors.h"

#include <QPaintEvent>
#include <QPainter>

using namespace platform;

namespace {

constexpr int ClientTwips = 6975;

// The address shown in Label6; a reserved example domain.
const QString WebAddress = QStringLiteral("www.curvista.example");

FormDesign Design()
{
    using enum ControlKind;
    const ControlLook axisLetter{.font = FontSpec{.points = 9.75, .bold = true}};
    const ControlLook address{.backColor = vbHighlightText, .foreColor = vbApplicationWorkspace};
    return {
        .titleBar = false,
        .closeBox = false,
        .clientWidth = ClientTwips,
        .clientHeight = ClientTwips,
        .placement = Placement::CenterScreen,
        .showInTaskbar = false,
        .backColor = vbTitleBarText,
        // clang-format off
        .controls = {
            // name     kind   left   top  width height tab caption
            {"Label1", Label,  3240,    0,  135,   255, 0,  QStringLiteral("X"),  axisLetter},
            {"Label2", Label,  3240, 6720,  255,   255, 1,  QStringLiteral("X'"), axisLetter},
            {"Label3", Label,   120, 3240,  255,   255, 2,  QStringLiteral("Y'"), axisLetter},
            {"Label4", Label,  6720, 3240,  135,   255, 3,  QStringLiteral("Y"),  axisLetter},
            {"Label6", Label,  5280, 6720, 1695,   255, 4,  WebAddress,           address},
        },
        // clang-format on
    };
}

// Paints the surface; everything else is drawn by the labels above it.
class SurfaceView : public QWidget
{
public:
    SurfaceView(const graph::GraphSurface &surface, QWidget *parent) : QWidget(parent), m_surface(surface)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_StaticContents);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setClipRect(event->rect());
        painter.drawImage(QPointF(0, 0), m_surface.image());
    }

private:
    const graph::GraphSurface &m_surface;
};

} // namespace

frmGraph::frmGraph()
    : Form(Design()), m_surface(QSize(TwipsToPixels(ClientTwips), TwipsToPixels(ClientTwips)), devicePixelRatioF(),
                                ToQColor(vbTitleBarText).rgb())
{
    m_view = new SurfaceView(m_surface, client());
    m_view->setObjectName(QStringLiteral("surface"));
    m_view->setGeometry(client()->rect());
    m_view->lower();
}

void frmGraph::surfaceChanged()
{
    m_view->update();
}
