#include "color_picker.h"

#include "active_window.h"
#include "system_colors.h"

#include <QApplication>
#include <QColorDialog>

#include <utility>

namespace platform {

namespace {

class QtColorPicker : public ColorPicker
{
public:
    void ShowColor() override
    {
        const QColor chosen =
            OverActiveWindow([this](QWidget *owner) { return QColorDialog::getColor(ToQColor(Color), owner); });
        if (chosen.isValid())
            Color = FromQColor(chosen);
    }
};

} // namespace

std::unique_ptr<ColorPicker> CreateColorPicker()
{
    return CurrentFactory<ColorPicker, QtColorPicker>()();
}

ColorPickerFactory SetColorPickerFactory(ColorPickerFactory factory)
{
    return ReplaceFactory<ColorPicker, QtColorPicker>(std::move(factory));
}

} // namespace platform
