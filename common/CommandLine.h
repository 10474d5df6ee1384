#pragma once

#include "Result.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A program's command line, read before the program makes its application
// object, so that an answer to --help or a wrong option needs no display.
// Each program lists its own options in a table (a row per option), and
// every program also takes -h/--help and -v/--version.

// One option of a program's own.
struct CommandLineOption {
    // As typed: "--export-notes".
    std::string_view name;
    // The placeholder of the argument that follows it, as "FILE.ics"; empty
    // for an option that takes none.
    std::string_view value;
    // What --help says of it: the Japanese source of the text, which the
    // window layer translates (QT_TRANSLATE_NOOP("CommandLine", …)).
    const char *description = "";
};

struct CommandLineSyntax {
    std::span<const CommandLineOption> options;
    // How many arguments that are not options the program takes.
    std::size_t mostOperands = 0;
};

// A command line that starts the program: the options given, in their order,
// each with its argument ("" for one that takes none), and the other arguments.
struct CommandLine {
    std::vector<std::pair<std::string_view, std::string>> options;
    std::vector<std::string> operands;

    // The argument of the option's last use; nothing when it was not given.
    std::optional<std::string> valueOf(std::string_view name) const;

    bool operator==(const CommandLine &) const = default;
};

// A command line that ends the run before it starts.
struct CommandLineStop {
    enum class Kind {
        Help,
        Version,
        UnknownOption,
        MissingValue,
        TooManyOperands,
    };
    Kind kind;
    // The argument at fault; empty for Help and Version.
    std::string argument;

    bool operator==(const CommandLineStop &) const = default;
};

// Reads `arguments` (without the program's name). The options of Qt's
// application objects (-platform NAME, -style NAME, -reverse …) are left to
// Qt, which takes them off the command line itself; "--" ends the options.
Result<CommandLine, CommandLineStop> parseCommandLine(std::span<const char *const> arguments,
                                                      const CommandLineSyntax &syntax);
