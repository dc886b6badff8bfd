#include "command_line_answer.h"

#include <cstdio>

namespace platform {

void ShowCommandLineAnswer(const std::string &out, const std::string &err, int & /*argc*/, char ** /*argv*/)
{
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
}

} // namespace platform
