#pragma once

#include <functional>
#include <string>
#include <string_view>

// Reading the command lines of Autorun.inf as Windows starts them. Names are
// Windows paths relative to the medium, as the file writes them; `exists`
// says whether one names a file or folder of the medium.
using ExistsOnMedium = std::function<bool(std::string_view)>;

// The program or file at the start of a command line, without the arguments
// that follow it, found as Windows finds it: the text inside leading quotes;
// else the shortest part up to a blank that names a file, so that
// "Setup Tool.exe /s" finds "Setup Tool.exe"; else the text up to the first
// blank. At most maximumProgramTries parts are looked for, so that a line of
// hundreds of blanks costs no more than a real one.
std::string commandProgram(std::string_view command, const ExistsOnMedium &exists);

inline constexpr std::size_t maximumProgramTries = 32;

// What a command line opens.
struct CommandTarget {
    // The program, file, folder or address.
    std::string name;
    // Whether one of Windows' own programs opens it, rather than being it.
    bool throughWindowsProgram = false;

    bool operator==(const CommandTarget &) const = default;
};

// What `command` opens. Media name documents through the programs that every
// Windows has: "notepad readme.txt" (or write, wordpad), "explorer docs",
// "start index.htm", "cmd /c start index.htm", "rundll32
// url.dll,FileProtocolHandler index.html". Where the medium holds no program
// of that name, what the command opens is the file, folder or address given
// to it, for the desktop's opener to open under the rules of any target.
// Every other command opens its program (commandProgram), which a missing one
// names. The medium is asked at most 2 × maximumProgramTries + 3 times.
CommandTarget commandTarget(std::string_view command, const ExistsOnMedium &exists);
