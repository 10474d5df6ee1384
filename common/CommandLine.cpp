#include "CommandLine.h"

#include <algorithm>
#include <array>

namespace {

// The options that Qt's application objects read, as their documentation
// lists them, without their dash; Qt takes them and their arguments off the
// command line when the application object is made. Qt also reads them with
// two dashes, and -style, -stylesheet and -qmljsdebugger as NAME=VALUE.
constexpr std::array<std::string_view, 15> qtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name"};
constexpr std::array<std::string_view, 4> qtFlags = {"reverse", "widgetcount", "nograb", "dograb"};
constexpr std::array<std::string_view, 3> qtOptionsWithEquals = {
    "style=", "stylesheet=", "qmljsdebugger="};

// How many arguments a Qt option takes with it: nothing when `argument` is
// none of Qt's.
std::optional<std::size_t> qtOptionArguments(std::string_view argument) {
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    if (!argument.starts_with('-'))
        return std::nullopt;
    argument.remove_prefix(1);
    if (std::ranges::find(qtOptionsWithValue, argument) != qtOptionsWithValue.end())
        return 1;
    if (std::ranges::find(qtFlags, argument) != qtFlags.end() ||
        std::ranges::any_of(qtOptionsWithEquals, [argument](std::string_view name) {
            return argument.starts_with(name);
        }))
        return 0;
    return std::nullopt;
}

const CommandLineOption *optionNamed(const CommandLineSyntax &syntax, std::string_view name) {
    const auto found = std::ranges::find(syntax.options, name, &CommandLineOption::name);
    return found == syntax.options.end() ? nullptr : &*found;
}

} // namespace

std::optional<std::string> CommandLine::valueOf(std::string_view name) const {
    const auto found = std::find_if(options.rbegin(), options.rend(),
                                    [name](const auto &given) { return given.first == name; });
    if (found == options.rend())
        return std::nullopt;
    return found->second;
}

Result<CommandLine, CommandLineStop> parseCommandLine(std::span<const char *const> arguments,
                                                      const CommandLineSyntax &syntax) {
    using Kind = CommandLineStop::Kind;
    CommandLine commandLine;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        // "-" alone is an argument, as the standard streams are named.
        if (optionsEnded || !argument.starts_with('-') || argument == "-") {
            commandLine.operands.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            return Failure{CommandLineStop{Kind::Help, {}}};
        } else if (argument == "-v" || argument == "--version") {
            return Failure{CommandLineStop{Kind::Version, {}}};
        } else if (const CommandLineOption *option = optionNamed(syntax, argument)) {
            if (option->value.empty()) {
                commandLine.options.emplace_back(option->name, std::string());
            } else if (i + 1 < arguments.size()) {
                commandLine.options.emplace_back(option->name, arguments[++i]);
            } else {
                return Failure{CommandLineStop{Kind::MissingValue, std::string(argument)}};
            }
        } else if (const auto taken = qtOptionArguments(argument)) {
            i += *taken;
        } else {
            return Failure{CommandLineStop{Kind::UnknownOption, std::string(argument)}};
        }
    }
    if (commandLine.operands.size() > syntax.mostOperands)
        return Failure{
            CommandLineStop{Kind::TooManyOperands, commandLine.operands[syntax.mostOperands]}};
    return commandLine;
}
