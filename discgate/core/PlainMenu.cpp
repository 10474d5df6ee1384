#include "PlainMenu.h"

#include "AsciiText.h"
#include "FileAddress.h"
#include "MediumPath.h"
#include "WindowsCommand.h"

namespace {

// What the user knows a program or file by: the last part of its Windows
// path, or a whole address.
std::string nameOf(std::string_view program) {
    if (isAddress(program))
        return std::string(program);
    const std::size_t separator = program.find_last_of("\\/:");
    return std::string(separator == std::string_view::npos ? program
                                                           : program.substr(separator + 1));
}

MediumIcon mediumIcon(const std::filesystem::path &mediumRoot, const AutorunMenu &menu,
                      FolderListings &listings) {
    if (menu.icon.empty())
        return {};
    const std::string lowered = asciiLowered(menu.icon);
    const bool inProgram =
        lowered.ends_with(".exe") || lowered.ends_with(".dll") || lowered.ends_with(".icl");
    return {inProgram ? IconKind::WindowsProgram : IconKind::Picture,
            mediumFilePath(mediumRoot, withoutDrive(menu.icon), listings), menu.iconIndex};
}

} // namespace

PlainMenu plainMenuOf(const AutorunMenu &menu, const std::filesystem::path &mediumRoot) {
    PlainMenu result;
    auto &choices = result.choices;
    FolderListings listings;
    const auto target = [&](std::string_view program) {
        return mediumTarget(mediumRoot, program, listings);
    };
    const auto exists = [&](std::string_view name) {
        return existsOnMedium(mediumRoot, name, listings);
    };
    const auto add = [&](ChoiceKind kind, std::string label, std::string_view command) {
        const CommandTarget opened = commandTarget(command, exists);
        if (opened.name.empty())
            return;
        // A document that a program of Windows shows is opened, not run.
        const ChoiceKind shownKind =
            opened.throughWindowsProgram && kind == ChoiceKind::Run ? ChoiceKind::Open : kind;
        choices.push_back({shownKind, std::move(label), nameOf(opened.name), target(opened.name),
                           !isAddress(opened.name) && !exists(opened.name)});
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
    result.icon = mediumIcon(mediumRoot, menu, listings);
    return result;
}
