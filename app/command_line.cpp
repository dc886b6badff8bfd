#include "command_line.h"

#include "app/version.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

// Where the texts below are looked up in a translation.
constexpr auto Context = "CommandLine";

//: The first line of the answer to --help, and the last of a refused command
//: line, in a terminal. Keep the program's name and the options as they are.
constexpr auto Usage = QT_TRANSLATE_NOOP("CommandLine", "วิธีใช้: curvista [--version | --help] [ตัวเลือกของ Qt]");

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
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
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

bool IsLessonFile(std::string_view argument)
{
    constexpr std::string_view Suffix = ".curvista";
    if (argument.starts_with('-') || argument.size() <= Suffix.size())
        return false;
    return std::equal(Suffix.rbegin(), Suffix.rend(), argument.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
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

std::string Text(const Translations &translations, const char *sourceText)
{
    return translations.translate(Context, sourceText).toStdString();
}

std::string HelpText(const Translations &translations)
{
    //: The answer to --help after its first line, in a terminal at most 80
    //: characters wide. Keep the options, the equations and the numbers.
    const char *const about =
        QT_TRANSLATE_NOOP("CommandLine", "Curvista เขียนกราฟเส้นตรง y = mx + c และกราฟพาราโบลา y = ax^2 + bx + c\n"
                                         "บนตารางสี่เหลี่ยมตั้งแต่ -35 ถึง +35 ใช้ภาษาไทย หรือภาษาอังกฤษเมื่อผู้ใช้เลือกไว้\n"
                                         "โปรแกรมไม่เก็บแฟ้มใด ๆ นอกจาก --version และ --help แล้ว โปรแกรมรับตัวเลือก\n"
                                         "ที่โปรแกรม Qt ทุกโปรแกรมรับ เช่น -platform, -style และ -reverse\n");
    return Text(translations, Usage) + "\n\n" + Text(translations, about);
}

CommandLineOutcome Refusal(const Translations &translations, const QString &why)
{
    return {2, {}, "curvista: " + why.toStdString() + "\n" + Text(translations, Usage) + "\n"};
}

} // namespace

std::optional<CommandLineOutcome> HandleCommandLine(const std::vector<std::string> &arguments,
                                                    const Translations &translations)
{
    std::optional<CommandLineOutcome> answer; // the first of --help and --version given
    bool lesson = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string &argument = arguments[index];
        if (!lesson && IsLessonFile(argument)) {
            lesson = true;
        } else if (argument == "--help" || argument == "-h") {
            answer = answer.value_or(CommandLineOutcome{0, HelpText(translations), {}});
        } else if (argument == "--version") {
            answer = answer.value_or(CommandLineOutcome{0, VersionText(), {}});
        } else if (IsQtOption(argument)) {
            //: Why a command line is refused, in a terminal; %1 is the option as typed.
            const char *const needsValue = QT_TRANSLATE_NOOP("CommandLine", "ตัวเลือก '%1' ต้องมีค่าตามหลัง");
            if (TakesNextArgument(argument) && ++index == arguments.size())
                return Refusal(translations,
                               translations.translate(Context, needsValue).arg(QString::fromStdString(argument)));
        } else {
            //: Why a command line is refused, in a terminal; %1 is the argument as typed.
            const char *const unrecognised = QT_TRANSLATE_NOOP("CommandLine", "ไม่รู้จักอาร์กิวเมนต์ '%1'");
            return Refusal(translations,
                           translations.translate(Context, unrecognised).arg(QString::fromStdString(argument)));
        }
    }
    return answer;
}

std::optional<std::string> LessonToOpen(const std::vector<std::string> &arguments)
{
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (IsLessonFile(arguments[index]))
            return arguments[index];
        if (TakesNextArgument(arguments[index]))
            ++index;
    }
    return std::nullopt;
}

std::optional<std::string> PreferredPlatform(const std::vector<std::string> &arguments,
                                             const DisplayEnvironment &environment)
{
    const bool platformChosen = !environment.qpaPlatform.empty() ||
                                std::any_of(arguments.begin(), arguments.end(), [](const std::string &argument) {
                                    return IsQtOption(argument) && OptionName(argument) == "platform";
                                });
    if (platformChosen || environment.waylandDisplay.empty() || environment.x11Display.empty())
        return std::nullopt;
    return "xcb";
}
