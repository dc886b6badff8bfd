#pragma once

#include <string>

namespace platform {

// Shows what the command line answered (help, version or a refusal) where
// the user who typed it reads it: the standard output and error streams.
// A Windows GUI program starts without them: it writes to the console it was
// started from, and, started from neither a console nor a redirection (a
// shortcut), shows the text in a message box, for which it needs argc and
// argv.
void ShowCommandLineAnswer(const std::string &out, const std::string &err, int &argc, char **argv);

} // namespace platform
