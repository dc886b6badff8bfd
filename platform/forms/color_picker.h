#pragma once

#include "platform/core/factory.h"
#include "platform/core/values.h"

namespace platform {

// The color dialog control: Color in and out, ShowColor between. A cancelled
// picker leaves Color as it was and raises nothing.
class ColorPicker
{
public:
    virtual ~ColorPicker() = default;

    platform::Color Color{}; // the control's property of that name
    virtual void ShowColor() = 0;
};

using ColorPickerFactory = Factory<ColorPicker>;

// The platform's modal picker, or what a test installed instead.
std::unique_ptr<ColorPicker> CreateColorPicker();

// Replaces the picker that CreateColorPicker makes; returns the previous factory.
ColorPickerFactory SetColorPickerFactory(ColorPickerFactory factory);

} // namespace platform
