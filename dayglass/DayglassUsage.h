#pragma once

#include "ProgramUsage.h"

#include <string_view>

// dayglass's command line: its own options, which run without a window, and
// what its --help tells.
inline constexpr std::string_view exportNotesOption = "--export-notes";
inline constexpr std::string_view importNotesOption = "--import-notes";
// What an import does with characters that a Shift-JIS Calendar.ini lacks,
// which it otherwise refuses.
inline constexpr char replaceUnstorableOption[] = "--replace-unstorable";
inline constexpr char storeInUtf8Option[] = "--store-in-utf8";

const ProgramUsage &dayglassUsage();
