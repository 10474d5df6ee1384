#pragma once

#include <optional>

// `discgate --check [FOLDER]`: the author's check of the medium in FOLDER, or
// in the current folder, printed on standard output without a display and
// without a window. The check's status (0 nothing found, 1 problems found, 2
// wrong usage) when the command line asks for it; nothing otherwise.
std::optional<int> runCheckIfAsked(int argc, char *argv[]);
