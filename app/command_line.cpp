#include "command_line.h"

#include "app/version.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr auto Usage = "Usage: curvista [--version | --help] [Qt options]\n";

struct QtOption
{
    std::string_view name; // without its leading dashes
    bool takesValue;
};

// The options every Qt Widgets program on X11 and Wayland takes; Qt itself
// acts on them once the application object exists.
constexpr QtOption QtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"title", true},           {"name", true},
    {"visual", true},          {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"dialogs", true},         {"fontengine", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

struct QtArgument
{
    const QtOption *option;
    bool valueAttached; // -style=fusion
};

std::optional<QtArgument> AsQtOption(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(2);
    else if (argument.starts_with("-"))
        argument.remove_prefix(1);
    else
        return std::nullopt;
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto *option = std::find_if(std::begin(QtOptions), std::end(QtOptions),
                                      [name](const QtOption &candidate) { return candidate.name == name; });
    if (option == std::end(QtOptions) || (equals != std::string_view::npos && !option->takesValue))
        return std::nullopt;
    return QtArgument{option, equals != std::string_view::npos};
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
        } else if (const auto qtArgument = AsQtOption(argument)) {
            if (qtArgument->option->takesValue && !qtArgument->valueAttached && ++index == arguments.size())
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
    const bool platformChosen = !environment.qpaPlatform.empty() ||
                                std::any_of(arguments.begin(), arguments.end(), [](const std::string &argument) {
                                    const auto qtArgument = AsQtOption(argument);
                                    return qtArgument && qtArgument->option->name == "platform";
                                });
    if (platformChosen || environment.waylandDisplay.empty() || environment.x11Display.empty())
        return std::nullopt;
    return "xcb";
}
