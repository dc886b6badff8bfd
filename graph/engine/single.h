#pragma once

#include "platform/core/runtime_error.h"
#include "platform/core/values.h"

#include <cmath>

namespace graph {

using platform::Single;

[[noreturn]] void RaiseFloatingPointError();

// Stores a double-precision result into a Single and checks it. A stored
// value that is not finite means an overflow (finite double, infinite Single),
// an invalid operation (NaN) or an infinity carried in from a coefficient;
// all raise the floating-point error. Testing the value, not <cfenv>, keeps
// the check where the store is at every optimisation level.
inline Single StoreSingle(double value)
{
    const Single stored = static_cast<Single>(value);
    if (!std::isfinite(stored)) [[unlikely]]
        RaiseFloatingPointError();
    return stored;
}

// The check after double-precision work that is not stored in a Single.
inline void CheckDouble(double value)
{
    if (!std::isfinite(value)) [[unlikely]]
        RaiseFloatingPointError();
}

} // namespace graph
