#pragma once

#include "CommandLine.h"

#include <optional>

// The commands that exchange day notes with other calendars without opening
// a window or needing a display:
//   dayglass --export-notes FILE.ics   (FILE "-" writes to standard output)
//   dayglass --import-notes FILE.ics [--replace-unstorable | --store-in-utf8]
// (characters that a Shift-JIS Calendar.ini lacks: refused unless replaced
// by a mark, or kept with the calendar in UTF-8 from then on)
// Nothing when the command line asks for no such command; otherwise the
// command's exit status, 0 when it did what was asked. The usage, for the
// status 2, when it asks for both, for a choice of the import's without an
// import, for both choices, or for the tray besides a command.
std::optional<int> runNoteCommand(const CommandLine &commandLine, int argc, char *argv[]);
