#include "colour_picker.h"

#include "active_window.h"
#include "system_colors.h"

#include <QApplication>
#include <QColorDialog>

#include <utility>

namespace platform {

namespace {

class QtColourPicker : public ColourPicker
{
public:
    void ShowColor() override
    {
        const QColor chosen =
            OverActiveWindow([this](QWidget *owner) { return QColorDialog::getColor(ToQColor(Color), owner); });
        if (chosen.isValid())
            Color = FromQRgb(chosen.rgb());
    }
};

} // namespace

std::unique_ptr<ColourPicker> CreateColourPicker()
{
    return CurrentFactory<ColourPicker, QtColourPicker>()();
}

ColourPickerFactory SetColourPickerFactory(ColourPickerFactory factory)
{
    return ReplaceFactory<ColourPicker, QtColourPicker>(std::move(factory));
}

} // namespace platform
