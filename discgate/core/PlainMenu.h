#pragma once

#include "AutorunMenu.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class ChoiceKind {
    // The "open" program.
    Run,
    // The "shellexecute" file or address.
    Open,
    // A verb of the shell.
    Verb,
};

// One push button of the plain menu that opens something of the medium.
struct AutorunChoice {
    ChoiceKind kind = ChoiceKind::Run;
    // The file's own text for the choice: the action, or a verb's label with
    // its "&"; empty where the window words the choice after `name`.
    std::string label;
    // The program or file as the file names it, without folders or
    // arguments, or the whole address.
    std::string name;
    // What the choice opens, as a launch button's target (see mediumTarget).
    std::string target;

    bool operator==(const AutorunChoice &) const = default;
};

enum class IconKind {
    // The desktop's icon of a disc: the file names no icon.
    Disc,
    // The desktop's icon of a Windows program: the icon lies inside a
    // program or a library, which only Windows reads.
    WindowsProgram,
    // A picture on the medium.
    Picture,
};

struct MediumIcon {
    IconKind kind = IconKind::Disc;
    // The picture's full path, for IconKind::Picture.
    std::string path;

    bool operator==(const MediumIcon &) const = default;
};

// Everything the plain menu's window is built from, with every name that the
// [autorun] section gives resolved on the medium.
struct PlainMenu {
    // In the order of the window: open, shellexecute, then each verb.
    std::vector<AutorunChoice> choices;
    // The choice of the default verb, else the first one.
    std::size_t defaultIndex = 0;
    // The medium's name, as the file gives it.
    std::string label;
    MediumIcon icon;

    bool operator==(const PlainMenu &) const = default;
};

// The plain menu that `menu` describes on the medium whose root is
// `mediumRoot`.
PlainMenu plainMenuOf(const AutorunMenu &menu, const std::filesystem::path &mediumRoot);

// The program or file at the start of a command line, without the arguments
// that follow it, found as Windows finds it: the text inside leading quotes;
// else the shortest part up to a blank that names a file (`exists`), so that
// "Setup Tool.exe /s" finds "Setup Tool.exe"; else the text up to the first
// blank.
std::string commandProgram(std::string_view command,
                           const std::function<bool(std::string_view)> &exists);
