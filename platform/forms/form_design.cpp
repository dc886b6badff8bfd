#include "form_design.h"

#include "color_box.h"
#include "system_colors.h"

#include <QEvent>
#include <QGroupBox>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace platform {

QRect TwipsToPixels(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

namespace {

void ApplyColors(QWidget &widget, const ControlLook &look, QPalette::ColorRole background,
                 QPalette::ColorRole foreground)
{
    QPalette palette = widget.palette();
    if (look.backColor) {
        palette.setColor(background, ToQColor(*look.backColor));
        widget.setAutoFillBackground(true);
    }
    if (look.foreColor)
        palette.setColor(foreground, ToQColor(*look.foreColor));
    widget.setPalette(palette);
}

// Shows a control's picture drawn at the device pixel ratio of the screen it
// is on, and draws it again when that changes.
class PictureFollower : public QObject
{
public:
    PictureFollower(QWidget &control, PictureSource picture) : QObject(&control), m_picture(picture)
    {
        control.installEventFilter(this);
        show(control);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ScreenChangeInternal)
            show(static_cast<QWidget &>(*watched));
        return QObject::eventFilter(watched, event);
    }

private:
    void show(QWidget &control)
    {
        const qreal ratio = control.devicePixelRatioF();
        if (ratio == m_shownAt)
            return;
        m_shownAt = ratio;
        const QPixmap picture = QPixmap::fromImage(m_picture(ratio));
        if (auto *button = qobject_cast<QPushButton *>(&control)) {
            button->setIcon(picture);
            button->setIconSize(picture.deviceIndependentSize().toSize());
        } else if (auto *label = qobject_cast<QLabel *>(&control)) {
            label->setPixmap(picture);
        }
    }

    PictureSource m_picture;
    qreal m_shownAt = 0.0;
};

QWidget *CreateLabel(QWidget &parent, const ControlDesign &design)
{
    auto *label = new QLabel(design.caption, &parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(design.look.wordWrap);
    ApplyColors(*label, design.look, QPalette::Window, QPalette::WindowText);
    return label;
}

QWidget *CreateTextBox(QWidget &parent, const ControlDesign &design)
{
    auto *box = new QLineEdit(design.caption, &parent);
    // The designs set no limit: a long paste is kept whole, never cut short.
    box->setMaxLength(std::numeric_limits<int>::max());
    ApplyColors(*box, design.look, QPalette::Base, QPalette::Text);
    return box;
}

QWidget *CreateButton(QWidget &parent, const ControlDesign &design)
{
    auto *button = new QPushButton(design.caption, &parent);
    button->setDefault(design.look.isDefault);
    // A button with the focus takes Enter itself; elsewhere Enter goes to the default button.
    button->setAutoDefault(true);
    if (design.look.picture)
        new PictureFollower(*button, design.look.picture);
    ApplyColors(*button, design.look, QPalette::Button, QPalette::ButtonText);
    return button;
}

QWidget *CreateImage(QWidget &parent, const ControlDesign &design)
{
    auto *image = new QLabel(&parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (design.look.picture)
        new PictureFollower(*image, design.look.picture);
    return image;
}

QWidget *CreateFrame(QWidget &parent, const ControlDesign &design)
{
    auto *frame = new QGroupBox(design.caption, &parent);
    ApplyColors(*frame, design.look, QPalette::Window, QPalette::WindowText);
    return frame;
}

QWidget *CreatePictureBox(QWidget &parent, const ControlDesign &design)
{
    auto *box = new ColorBox(&parent);
    if (design.look.backColor)
        box->setBackColor(*design.look.backColor);
    return box;
}

QWidget *CreateControl(QWidget &parent, const ControlDesign &design)
{
    switch (design.kind) {
    case ControlKind::Label:
        return CreateLabel(parent, design);
    case ControlKind::TextBox:
        return CreateTextBox(parent, design);
    case ControlKind::CommandButton:
    case ControlKind::PictureButton:
        return CreateButton(parent, design);
    case ControlKind::Image:
        return CreateImage(parent, design);
    case ControlKind::Frame:
        return CreateFrame(parent, design);
    case ControlKind::PictureBox:
        return CreatePictureBox(parent, design);
    }
    return nullptr;
}

} // namespace

void BuildControls(QWidget &client, const std::vector<ControlDesign> &controls)
{
    std::vector<std::pair<int, QWidget *>> tabOrder;
    QLabel *previousLabel = nullptr;
    for (const ControlDesign &design : controls) {
        QWidget *parent =
            design.look.container ? client.findChild<QWidget *>(QString::fromLatin1(design.look.container)) : &client;
        QWidget *widget = CreateControl(*parent, design);
        widget->setObjectName(QString::fromLatin1(design.name));
        if (design.look.index >= 0)
            widget->setProperty(ControlIndexProperty, design.look.index);
        // Otherwise the name is the caption, current whenever the caption changes.
        if (!design.look.description.isEmpty())
            widget->setAccessibleName(design.look.description);
        // A text box is named by the label standing before it in the design.
        if (auto *box = qobject_cast<QLineEdit *>(widget); box && previousLabel) {
            box->setAccessibleName(previousLabel->text().trimmed());
            previousLabel->setBuddy(box);
        }
        previousLabel = qobject_cast<QLabel *>(widget);
        if (design.look.font)
            widget->setFont(DesignFont(*design.look.font));
        widget->setGeometry(TwipsToPixels(design.left, design.top, design.width, design.height));
        if (design.tabIndex != NoTabIndex && widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(design.tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace platform
