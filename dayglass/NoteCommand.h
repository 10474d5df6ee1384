#pragma once

#include "CommandLine.h"

#include <optional>

// The commands that exchange day notes with other calendars without opening
// a window or needing a display:
//   dayglass --export-notes FILE.ics   (FILE "-" writes to standard output)
//   dayglass --import-notes FILE.ics
// Nothing when the command line asks for no such command; otherwise the
// command's exit status, 0 when it did what was asked.
std::optional<int> runNoteCommand(const CommandLine &commandLine, int argc, char *argv[]);
