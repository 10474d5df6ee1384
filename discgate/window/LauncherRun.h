#pragma once

#include "AutorunMenu.h"
#include "Opener.h"

#include <filesystem>

// Runs the launcher on the Autorun.inf in `programFolder` and returns the
// program's exit status. A failed load is reported in a message box and gives
// a non-zero status without the window ever being shown.
int runLauncher(const std::filesystem::path &programFolder, Opener &opener);

// Runs the plain menu of a medium whose Autorun.inf has no skinned menu, and
// returns the program's exit status.
int runPlainMenu(const std::filesystem::path &mediumRoot, const AutorunMenu &menu, Opener &opener);
