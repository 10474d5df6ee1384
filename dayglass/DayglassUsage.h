#pragma once

#include "ProgramUsage.h"

#include <string_view>

// dayglass's command line: its own options, which run without a window, and
// what its --help tells.
inline constexpr std::string_view exportNotesOption = "--export-notes";
inline constexpr std::string_view importNotesOption = "--import-notes";

const ProgramUsage &dayglassUsage();
