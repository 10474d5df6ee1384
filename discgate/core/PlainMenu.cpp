#include "PlainMenu.h"

#include "AsciiText.h"
#include "FileAddress.h"
#include "MediumPath.h"

namespace {

// How many parts of a command line with blanks in it are looked for on the
// medium, so that a line of hundreds of blanks costs no more than a real one.
constexpr std::size_t maximumProgramTries = 32;

// What the user knows a program or file by: the last part of its Windows
// path, or a whole address.
std::string nameOf(std::string_view program) {
    if (isAddress(program))
        return std::string(program);
    const std::size_t separator = program.find_last_of("\\/:");
    return std::string(separator == std::string_view::npos ? program
                                                           : program.substr(separator + 1));
}

MediumIcon mediumIcon(const std::filesystem::path &mediumRoot, const std::string &icon,
                      FolderListings &listings) {
    const std::string lowered = asciiLowered(icon);
    if (lowered.ends_with(".exe") || lowered.ends_with(".dll") || lowered.ends_with(".icl"))
        return {IconKind::WindowsProgram, {}};
    if (icon.empty())
        return {};
    return {IconKind::Picture, mediumFilePath(mediumRoot, withoutDrive(icon), listings)};
}

} // namespace

PlainMenu plainMenuOf(const AutorunMenu &menu, const std::filesystem::path &mediumRoot) {
    PlainMenu result;
    auto &choices = result.choices;
    FolderListings listings;
    const auto target = [&](std::string_view program) {
        return mediumTarget(mediumRoot, program, listings);
    };
    const auto add = [&](ChoiceKind kind, std::string label, std::string_view command) {
        const std::string program = commandProgram(command, [&](std::string_view name) {
            return existsOnMedium(mediumRoot, name, listings);
        });
        if (!program.empty())
            choices.push_back({kind, std::move(label), nameOf(program), target(program)});
    };
    add(ChoiceKind::Run, menu.action, menu.open);
    add(ChoiceKind::Open, choices.empty() ? menu.action : std::string(), menu.shellExecute);
    const std::string defaultVerb = asciiLowered(trimmed(menu.defaultVerb));
    for (const AutorunVerb &verb : menu.verbs) {
        const std::size_t before = choices.size();
        add(ChoiceKind::Verb, verb.label, verb.command);
        if (choices.size() > before && !defaultVerb.empty() &&
            asciiLowered(verb.name) == defaultVerb)
            result.defaultIndex = before;
    }
    result.label = menu.label;
    result.icon = mediumIcon(mediumRoot, menu.icon, listings);
    return result;
}

std::string commandProgram(std::string_view command,
                           const std::function<bool(std::string_view)> &exists) {
    command = trimmed(command);
    if (command.starts_with('"')) {
        const std::size_t close = command.find('"', 1);
        return std::string(command.substr(1, close == std::string_view::npos ? close : close - 1));
    }
    std::size_t tries = 0;
    for (std::size_t blank = command.find_first_of(" \t");
         blank != std::string_view::npos && tries++ < maximumProgramTries;
         blank = command.find_first_of(" \t", blank + 1)) {
        if (exists(command.substr(0, blank)))
            return std::string(command.substr(0, blank));
    }
    if (exists(command))
        return std::string(command);
    return std::string(command.substr(0, command.find_first_of(" \t")));
}
