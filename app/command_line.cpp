#include "command_line.h"

#include "app/version.h"

namespace {

constexpr auto Usage = "Usage: curvista [--version | --help]\n";

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
                                "It takes no other options and keeps no files.\n";
}

} // namespace

std::optional<CommandLineOutcome> HandleCommandLine(const std::vector<std::string> &arguments)
{
    if (arguments.empty())
        return std::nullopt;
    const std::string &argument = arguments.front();
    if (arguments.size() == 1 && argument == "--version")
        return CommandLineOutcome{0, VersionText(), {}};
    if (arguments.size() == 1 && (argument == "--help" || argument == "-h"))
        return CommandLineOutcome{0, HelpText(), {}};
    return CommandLineOutcome{2, {}, "curvista: unrecognised argument '" + argument + "'\n" + Usage};
}
