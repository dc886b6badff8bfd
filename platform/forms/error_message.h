#pragma once

#include "platform/core/runtime_error.h"

namespace platform {

// The program's error sink: a modal message over the active window.
void ShowErrorMessage(const RuntimeError &error);

} // namespace platform
