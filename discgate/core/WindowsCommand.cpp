#include "WindowsCommand.h"

#include "AsciiText.h"

#include <array>
#include <utility>

namespace {

enum class WindowsProgram { None, Editor, Explorer, Start, CommandShell, Rundll };

constexpr std::array<std::pair<std::string_view, WindowsProgram>, 7> windowsPrograms = {{
    {"notepad", WindowsProgram::Editor},
    {"write", WindowsProgram::Editor},
    {"wordpad", WindowsProgram::Editor},
    {"explorer", WindowsProgram::Explorer},
    {"start", WindowsProgram::Start},
    {"cmd", WindowsProgram::CommandShell},
    {"rundll32", WindowsProgram::Rundll},
}};

// A program of Windows by its name, in any folder ("C:\Windows\notepad.exe"),
// with or without ".exe".
WindowsProgram windowsProgramOf(std::string_view program) {
    const std::size_t separator = program.find_last_of("\\/");
    std::string name =
        asciiLowered(separator == std::string_view::npos ? program : program.substr(separator + 1));
    if (name.ends_with(".exe"))
        name.resize(name.size() - 4);
    for (const auto &[known, kind] : windowsPrograms) {
        if (name == known)
            return kind;
    }
    return WindowsProgram::None;
}

// The part of a command line after its first word, as commandProgram found
// that word.
std::string_view argumentsAfter(std::string_view command, std::string_view program) {
    command = trimmed(command);
    std::size_t end = program.size();
    if (command.starts_with('"'))
        end = std::min(command.size(), end + 2);
    return trimmed(command.substr(std::min(end, command.size())));
}

// The first word of `arguments`, unquoted only by the blank after it.
std::string_view firstWord(std::string_view arguments) {
    return arguments.substr(0, arguments.find_first_of(" \t"));
}

std::string_view afterFirstWord(std::string_view arguments) {
    const std::size_t blank = arguments.find_first_of(" \t");
    return blank == std::string_view::npos ? std::string_view() : trimmed(arguments.substr(blank));
}

// The arguments without their leading options ("/p", "/max", "/e,").
std::string_view withoutOptions(std::string_view arguments) {
    while (arguments.starts_with('/'))
        arguments = afterFirstWord(arguments);
    return arguments;
}

// What "start" opens: its first argument after its options, where a quoted
// one followed by another is the title of the window.
std::string startTarget(std::string_view arguments, const ExistsOnMedium &exists) {
    arguments = withoutOptions(arguments);
    if (arguments.starts_with('"')) {
        const std::size_t close = arguments.find('"', 1);
        const std::string_view rest = close == std::string_view::npos
                                          ? std::string_view()
                                          : trimmed(arguments.substr(close + 1));
        if (!rest.empty())
            arguments = withoutOptions(rest);
    }
    return commandProgram(arguments, exists);
}

// What a program of Windows opens with `arguments`; empty when it is run
// without a target or in a way that opens none.
std::string openedThrough(WindowsProgram program, std::string_view arguments,
                          const ExistsOnMedium &exists) {
    switch (program) {
    case WindowsProgram::Editor:
    case WindowsProgram::Explorer:
        return commandProgram(withoutOptions(arguments), exists);
    case WindowsProgram::Start:
        return startTarget(arguments, exists);
    case WindowsProgram::CommandShell: {
        const std::string option = asciiLowered(firstWord(arguments));
        const std::string_view command = afterFirstWord(arguments);
        if ((option != "/c" && option != "/k") ||
            windowsProgramOf(firstWord(command)) != WindowsProgram::Start)
            return {};
        return startTarget(afterFirstWord(command), exists);
    }
    case WindowsProgram::Rundll: {
        const std::string entry = asciiLowered(firstWord(arguments));
        if (entry != "url.dll,fileprotocolhandler" && entry != "url,fileprotocolhandler")
            return {};
        return commandProgram(afterFirstWord(arguments), exists);
    }
    case WindowsProgram::None:
        break;
    }
    return {};
}

} // namespace

std::string commandProgram(std::string_view command, const ExistsOnMedium &exists) {
    command = trimmed(command);
    if (command.starts_with('"')) {
        const std::size_t close = command.find('"', 1);
        return std::string(command.substr(1, close == std::string_view::npos ? close : close - 1));
    }
    std::size_t tries = 0;
    for (std::size_t blank = command.find_first_of(" \t");
         blank != std::string_view::npos && tries++ < maximumProgramTries;
         blank = command.find_first_of(" \t", blank + 1)) {
        if (exists(command.substr(0, blank)))
            return std::string(command.substr(0, blank));
    }
    if (exists(command))
        return std::string(command);
    return std::string(command.substr(0, command.find_first_of(" \t")));
}

CommandTarget commandTarget(std::string_view command, const ExistsOnMedium &exists) {
    std::string program = commandProgram(command, exists);
    const WindowsProgram windows = windowsProgramOf(program);
    if (windows == WindowsProgram::None || exists(program))
        return {std::move(program), false};
    std::string opened = openedThrough(windows, argumentsAfter(command, program), exists);
    if (opened.empty())
        return {std::move(program), false};
    return {std::move(opened), true};
}
