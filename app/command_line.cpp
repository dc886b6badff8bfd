#include "command_line.h"

#include "app/version.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr auto Usage = "Usage: curvista [--version | --help] [Qt options]\n";

// The options every Qt Widgets program on X11 and Wayland takes; Qt itself
// acts on them once the application object exists.
constexpr std::string_view QtOptionsWithValue[] = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "session",
    "display",         "geometry",
    "title",           "name",
    "visual",          "style",
    "stylesheet",      "qmljsdebugger",
    "dialogs",         "fontengine",
};
constexpr std::string_view QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The option an argument names, without its one or two leading dashes and
// any "=value"; empty when it is not an argument of this form.
std::optional<std::string_view> OptionName(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(2);
    else if (argument.starts_with("-"))
        argument.remove_prefix(1);
    else
        return std::nullopt;
    return argument.substr(0, argument.find('='));
}

template <std::size_t N> bool Among(const std::string_view (&names)[N], std::string_view name)
{
    return std::ranges::find(names, name) != std::end(names);
}

bool HasAttachedValue(std::string_view argument)
{
    return argument.find('=') != std::string_view::npos;
}

// One of Qt's options: a valued one (also as -name=value) or a flag.
bool IsQtOption(std::string_view argument)
{
    const auto name = OptionName(argument);
    return name && (Among(QtOptionsWithValue, *name) || (Among(QtFlags, *name) && !HasAttachedValue(argument)));
}

// A Qt option whose value is the next argument (-style fusion).
bool TakesNextArgument(std::string_view argument)
{
    return Among(QtOptionsWithValue, OptionName(argument).value_or("")) && !HasAttachedValue(argument);
}

std::string VersionText()
{
    using namespace version;
    std::string text = ProductName;
    text += "\nVersion " + std::string(ProductVersion) + " (file version " + FileVersion + ")\n";
    text += std::string(CompanyName) + "\n";
    text += "Internal name " + std::string(InternalName) + ", original file name " + OriginalFilename;
    text += ", language US English\n";
    return text;
}

std::string HelpText()
{
    return std::string(Usage) + "\n"
                                "Curvista draws straight lines y = mx + c and parabolas y = ax^2 + bx + c\n"
                                "on a square grid from -35 to +35, with a user interface in Thai.\n"
                                "It keeps no files. Besides --version and --help it takes the options\n"
                                "every Qt program takes, such as -platform, -style and -reverse.\n";
}

CommandLineOutcome Refusal(const std::string &why)
{
    return {2, {}, "curvista: " + why + "\n" + Usage};
}

} // namespace

std::optional<CommandLineOutcome> HandleCommandLine(const std::vector<std::string> &arguments)
{
    std::optional<CommandLineOutcome> answer; // the first of --help and --version given
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string &argument = arguments[index];
        if (argument == "--help" || argument == "-h") {
            answer = answer.value_or(CommandLineOutcome{0, HelpText(), {}});
        } else if (argument == "--version") {
            answer = answer.value_or(CommandLineOutcome{0, VersionText(), {}});
        } else if (IsQtOption(argument)) {
            if (TakesNextArgument(argument) && ++index == arguments.size())
                return Refusal("option '" + argument + "' needs a value");
        } else {
            return Refusal("unrecognised argument '" + argument + "'");
        }
    }
    return answer;
}

std::optional<std::string> PreferredPlatform(const std::vector<std::string> &arguments,
                                             const DisplayEnvironment &environment)
{
    const bool platformChosen =
        !environment.qpaPlatform.empty() || std::ranges::any_of(arguments, [](const std::string &argument) {
            return IsQtOption(argument) && OptionName(argument) == "platform";
        });
    if (platformChosen || environment.waylandDisplay.empty() || environment.x11Display.empty())
        return std::nullopt;
    return "xcb";
}
