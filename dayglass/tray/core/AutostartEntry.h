#pragma once

#include "Result.h"
#include "WriteError.h"

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

// The desktop's start of dayglass at login: an entry of the XDG autostart
// folder that starts this very copy of the program, with the option that
// keeps its window in the tray when the tray is on.
inline constexpr char inTrayOption[] = "--in-tray";

// The folders where a session finds programs by name, as an installed copy
// of the program lies in one of them.
inline const std::array<std::filesystem::path, 3> systemProgramFolders = {"/usr/local/bin",
                                                                          "/usr/bin", "/bin"};

// `configHome`/autostart/org.dayglass.dayglass.desktop.
std::filesystem::path autostartEntryPath(const std::filesystem::path &configHome);

// The program as the entry names it: by its name where the first of
// `searchFolders` that holds a file of that name holds this very file, so that
// an installed copy is started however it is installed again; by its absolute
// path otherwise, as a portable copy is.
std::string autostartProgram(const std::filesystem::path &program,
                             std::span<const std::filesystem::path> searchFolders);

// The Exec line of the entry for `program` (as autostartProgram names it):
// each argument quoted where it holds a character that freedesktop.org's
// desktop entry format reserves, a "%" doubled, then escaped as a string
// value is.
// EILSEQ for a name that no entry can hold: one that is not UTF-8 or holds a
// control character other than a tab or a line break.
Result<std::string, std::error_code> autostartExec(std::string_view program);

// Writes the entry that starts `program` at `path` in one step, or removes
// it; a missing entry is removed already.
WriteResult writeAutostartEntry(const std::filesystem::path &path, std::string_view program);
WriteResult removeAutostartEntry(const std::filesystem::path &path);

// Whether the entry at `path` starts `program`.
bool autostartEntryStarts(const std::filesystem::path &path, std::string_view program);
