#pragma once

namespace platform {

// Makes every form known to assistive technology as the kind of window it is
// (a window or a dialog, modal or not) rather than as a plain container.
void InstallFormAccessibility();

} // namespace platform
