#pragma once

#include "app/translations.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks for before any window exists: the program's own
// options are --version and --help; Qt's standard options pass to Qt.
struct CommandLineOutcome
{
    int exitCode;
    std::string out;
    std::string err;
};

// Empty when the program should start; otherwise what to print, in the
// translations' language, and the exit code.
std::optional<CommandLineOutcome> HandleCommandLine(const std::vector<std::string> &arguments,
                                                    const Translations &translations);

// The lesson file the command line names (its one argument ending in
// .curvista), to open on the first graph.
std::optional<std::string> LessonToOpen(const std::vector<std::string> &arguments);

// The display variables that decide which windowing platform Qt uses.
struct DisplayEnvironment
{
    std::string qpaPlatform;    // QT_QPA_PLATFORM
    std::string waylandDisplay; // WAYLAND_DISPLAY
    std::string x11Display;     // DISPLAY
};

// The platform to run on when the user chose none: X11 where a Wayland
// desktop also offers it (XWayland), because a Wayland compositor ignores the
// window positions the designs give. Empty: leave the choice to Qt.
std::optional<std::string> PreferredPlatform(const std::vector<std::string> &arguments,
                                             const DisplayEnvironment &environment);
