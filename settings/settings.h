#pragma once

#include "platform/core/values.h"

// The settings the windows share for the whole run, in their declared order.
// Zero until Main runs; never saved.
namespace graph_mdl {

using platform::Color;
using platform::Single;

inline Single LinearSlope = 0;
inline Single LinearIntercept = 0;
inline Color AxisColor{};
inline Color GridColor{};
inline Color PlotColor{};
inline Color BackgroundColor{};

} // namespace graph_mdl
