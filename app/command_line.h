#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks for before any window exists: the program takes
// only --version and --help.
struct CommandLineOutcome
{
    int exitCode;
    std::string out;
    std::string err;
};

// Empty when the program should start; otherwise what to print and the exit code.
std::optional<CommandLineOutcome> HandleCommandLine(const std::vector<std::string> &arguments);
