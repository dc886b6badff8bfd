#pragma once

#include "platform/core/fonts.h"
#include "platform/core/twips.h"
#include "platform/core/values.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace platform {

QRect TwipsToPixels(int left, int top, int width, int height);

enum class BorderStyle { FixedSingle, FixedToolWindow };
enum class Placement { CenterScreen, Manual, WindowsDefault };
enum class ControlKind { Label, TextBox, CommandButton, PictureButton, Image, Frame, PictureBox };

constexpr int NoTabIndex = -1;

// The property holding a control's index in its control array.
constexpr const char *ControlIndexProperty = "Index";

// Draws a picture at a device pixel ratio.
using PictureSource = QImage (*)(qreal devicePixelRatio);

// What a control has beyond its place: only the design's non-default values.
struct ControlLook
{
    std::optional<FontSpec> font;
    std::optional<Color> backColor; // set: opaque in that color; unset: transparent
    std::optional<Color> foreColor;
    bool wordWrap = false;
    bool isDefault = false; // the window's default button, activated by Enter
    PictureSource picture = nullptr;
    const char *container = nullptr; // a frame declared earlier; positions are then relative to it
    int index = -1;                  // position in a control array of the same name
    QString description;             // accessible name, where the caption alone says too little
};

struct ControlDesign
{
    const char *name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    QString caption;
    ControlLook look = {};
};

struct MenuItemDesign
{
    const char *name;
    QString caption;
};

struct FormDesign
{
    QString caption;
    BorderStyle border = BorderStyle::FixedSingle;
    bool titleBar = true; // false: no caption and no control box
    bool closeBox = true;
    bool minButton = false;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Placement placement = Placement::WindowsDefault;
    int clientLeft = 0; // twips, for Placement::Manual
    int clientTop = 0;
    bool showInTaskbar = true;
    Color backColor{0x8000000FU}; // button face
    PictureSource icon = nullptr;
    std::vector<MenuItemDesign> menu;
    std::vector<ControlDesign> controls;
};

// Creates the design's controls inside the client area, each named after its
// design name, and chains the focusable ones in tab-index order.
void BuildControls(QWidget &client, const std::vector<ControlDesign> &controls);

} // namespace platform
