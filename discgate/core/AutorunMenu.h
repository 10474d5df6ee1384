#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class cls_IniFile;

// A verb that the Windows shell offers for the medium: "shell\VERB" gives its
// label, "shell\VERB\command" the command line it runs.
struct AutorunVerb {
    std::string name;
    // With "&" before the access key; the verb's name when the file gives none.
    std::string label;
    std::string command;

    bool operator==(const AutorunVerb &) const = default;
};

// What the [autorun] section of a plain Windows Autorun.inf says, with the
// names Windows reads in any letter case. Texts are kept as read.
struct AutorunMenu {
    // The medium's name.
    std::string label;
    // The icon's file, without the ",N" that picks an icon inside a program.
    std::string icon;
    std::int32_t iconIndex = 0;
    // A command line that runs a program.
    std::string open;
    // A command line that opens a file or an address.
    std::string shellExecute;
    // The text that names the open or shellexecute choice.
    std::string action;
    // The verb that is chosen by default.
    std::string defaultVerb;
    // The verbs that have a command, in the order of the file.
    std::vector<AutorunVerb> verbs;

    bool operator==(const AutorunMenu &) const = default;
};

// The most verbs a menu shows.
inline constexpr std::size_t maximumShownVerbs = 100;

AutorunMenu parseAutorunMenu(const cls_IniFile &ini);
