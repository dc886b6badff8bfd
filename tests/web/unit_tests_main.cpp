// The unit tests linked into one program: the first argument names the test
// class to run, the rest go to it.
#include "test_support.h"

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    const auto test = argc > 1 ? RegisteredTests().find(argv[1]) : RegisteredTests().end();
    if (test == RegisteredTests().end()) {
        std::fputs("usage: web_unit_tests TEST [ARGUMENTS]; the tests are:\n", stderr);
        for (const auto &[name, run] : RegisteredTests())
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    std::vector<char *> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    return test->second(static_cast<int>(arguments.size()), arguments.data());
}
