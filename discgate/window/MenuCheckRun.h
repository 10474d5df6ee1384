#pragma once

#include "CommandLine.h"

#include <filesystem>
#include <optional>

inline constexpr std::string_view checkOption = "--check";

// `discgate --check [FOLDER]`: the author's check of the medium in FOLDER, or
// in the current folder, printed on standard output without a window.
struct MenuCheckRequest {
    std::filesystem::path folder;
    // The folder given is none.
    bool wrongUsage = false;
};

// What the command line asks of the check; nothing when it asks for the menu.
std::optional<MenuCheckRequest> menuCheckRequestOf(const CommandLine &commandLine);

// Runs the check of a folder, once the application object is made, and gives
// its status: 0 nothing found, 1 problems found.
int runMenuCheck(const MenuCheckRequest &request);
