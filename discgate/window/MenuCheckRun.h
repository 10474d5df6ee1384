#pragma once

#include <filesystem>
#include <optional>

// `discgate --check [FOLDER]`: the author's check of the medium in FOLDER, or
// in the current folder, printed on standard output without a window.
struct MenuCheckRequest {
    std::filesystem::path folder;
    // The arguments after --check are not one folder.
    bool wrongUsage = false;
};

// What the command line asks of the check; nothing when it asks for the menu.
std::optional<MenuCheckRequest> menuCheckRequestOf(int argc, char *argv[]);

// Runs the check, once the application object is made, and gives its status:
// 0 nothing found, 1 problems found, 2 wrong usage.
int runMenuCheck(const MenuCheckRequest &request);
