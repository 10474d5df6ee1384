#pragma once

#include <string>
#include <string_view>

enum class LaunchKind {
    // An address such as https: or mailto:, for the desktop's opener.
    OpenUrl,
    // A file or folder for the desktop's opener, which picks the application.
    OpenFile,
    // A program that starts directly, detached, without arguments or a shell.
    RunProgram,
};

struct LaunchAction {
    LaunchKind kind = LaunchKind::OpenFile;
    // The address as written, or the absolute path of the file.
    std::string target;

    bool operator==(const LaunchAction &) const = default;
};

// How a launch button's target is opened on this system, in place of the
// Windows shell's "Open" verb. An address needs a scheme of two or more
// characters, so that a drive letter such as "D:" is never taken for one.
// A file runs directly only when it is executable and really is a program (an
// ELF binary or a script with "#!"): media formatted with FAT or ISO 9660 mark
// every file executable, and a text file must still open in an editor.
LaunchAction classifyLaunchTarget(std::string_view strExeFile);
