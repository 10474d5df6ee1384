#pragma once

#include "Result.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

enum class LaunchKind {
    // An address such as https: or mailto:, for the desktop's opener.
    OpenUrl,
    // A file or folder for the desktop's opener, which picks the application.
    OpenFile,
    // A program that starts directly, detached, without arguments or a shell.
    RunProgram,
    // A file that the desktop's opener runs: a desktop entry by its Exec line,
    // a Windows program through Wine where that is installed.
    OpenRunnableFile,
};

// What the decision found at a file's path, from which the desktop's answer to
// a failed start is explained without a look at the file again.
enum class FileFinding {
    // An address, or a file that is there and no Windows program.
    Ordinary,
    Missing,
    // A Windows program: .exe, .com, .bat or .msi in any letter case, or a
    // file that begins with "MZ".
    WindowsProgram,
};

struct LaunchAction {
    LaunchKind kind = LaunchKind::OpenFile;
    // The address as written, or the real path of the file.
    std::string target;
    FileFinding finding = FileFinding::Ordinary;

    // Whether opening the target runs a program, directly or through the
    // desktop.
    bool startsProgram() const {
        return kind == LaunchKind::RunProgram || kind == LaunchKind::OpenRunnableFile;
    }

    bool operator==(const LaunchAction &) const = default;
};

// Why a launch button's target is not opened at all.
enum class LaunchRefusal {
    // The target lies outside the medium, through ".." or a symbolic link.
    OffMedium,
    // The target is a program, or a desktop entry that starts one, on a medium
    // mounted without permission to run programs.
    ProgramOnNoexecMedium,
    // An address of a scheme that a menu has no business with: the desktop
    // hands such addresses to programs that act on them.
    AddressScheme,
    // A mail address that asks the mail program to attach a file.
    MailAttachment,
};

using LaunchDecision = Result<LaunchAction, LaunchRefusal>;

// The schemes of the addresses that menus link to, the only ones opened;
// mailto: only without an attachment.
inline constexpr std::array<std::string_view, 4> linkSchemes = {"http", "https", "ftp", "mailto"};

// How a launch button's target is opened on this system, in place of the
// Windows shell's "Open" verb, or why it is not. An address of linkSchemes
// goes to the desktop unchanged; any other address is refused, a `file:` one
// included (Autorun.inf's reader has made every local one a path). A file is
// opened by its real path, and only when that lies on the medium whose root is
// `mediumRoot`. It runs directly only when it is executable and really is a
// program (an ELF binary or a script with "#!"): media formatted with FAT or
// ISO 9660 mark every file executable, and a text file must still open in an
// editor. A program on a medium mounted "noexec" is refused rather than handed
// to the desktop, which might run it all the same, and so are a desktop entry
// there (a ".desktop" file, or one that begins as one), which the desktop
// runs by its Exec line, and a Windows program, which the desktop's Wine runs
// whatever its execute bits say.
LaunchDecision decideLaunch(std::string_view strExeFile, const std::filesystem::path &mediumRoot);
