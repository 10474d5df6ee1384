#pragma once

#include <filesystem>
#include <string_view>

// A Windows program by its name: .exe, .com, .bat or .msi in any letter case.
bool hasWindowsProgramName(const std::filesystem::path &path);

// A Windows program by its first bytes, "MZ".
bool beginsAsWindowsProgram(std::string_view start);
