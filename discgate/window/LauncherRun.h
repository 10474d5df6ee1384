#pragma once

#include "Opener.h"

#include <filesystem>

// Runs the launcher on the Autorun.inf in `programFolder` and returns the
// program's exit status. A failed load is reported in a message box and gives
// a non-zero status without the window ever being shown.
int runLauncher(const std::filesystem::path &programFolder, Opener &opener);
