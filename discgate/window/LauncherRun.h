#pragma once

#include "Opener.h"

#include <filesystem>

// Runs the menu that the Autorun.inf in `mediumRoot` describes, read once, and
// returns the program's exit status: the skinned launcher window, or for a
// medium made for the Windows shell alone the plain menu that the shell would
// show. A file that cannot be read or a failed load is reported in a message
// box and gives a non-zero status without a window ever being shown.
int runLauncher(const std::filesystem::path &mediumRoot, Opener &opener);
