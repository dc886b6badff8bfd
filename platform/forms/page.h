#pragma once

namespace platform {

// In a browser, the page hosting the program learns of its milestones by
// functions of the page's own, called if it has them; elsewhere nothing.
void TellPage(const char *hook);

} // namespace platform
