#pragma once

#include "platform/factory.h"
#include "platform/values.h"

namespace platform {

// The colour dialog control: Color in and out, ShowColor between. A cancelled
// picker leaves Color as it was and raises nothing.
class ColourPicker
{
public:
    virtual ~ColourPicker() = default;

    Colour Color = 0;
    virtual void ShowColor() = 0;
};

using ColourPickerFactory = Factory<ColourPicker>;

// The platform's modal picker, or what a test installed instead.
std::unique_ptr<ColourPicker> CreateColourPicker();

// Replaces the picker that CreateColourPicker makes; returns the previous factory.
ColourPickerFactory SetColourPickerFactory(ColourPickerFactory factory);

} // namespace platform
