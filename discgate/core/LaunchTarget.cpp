#include "LaunchTarget.h"

#include "AsciiText.h"
#include "MediumConfinement.h"

#include <algorithm>
#include <fstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view elfMagic = "\x7F"
                                      "ELF";

bool isSchemeCharacter(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// A regular file with an execute bit that begins as a program does. The bits
// are read from the file's status rather than asked of access(), which denies
// execution on a "noexec" medium and would hide the program there.
bool isProgram(const fs::path &path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        (status.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0)
        return false;
    std::ifstream file(path, std::ios::binary);
    char magic[4] = {};
    file.read(magic, sizeof magic);
    const std::string_view start(magic, static_cast<std::size_t>(file.gcount()));
    return start == elfMagic || start.starts_with("#!");
}

// A file system whose status cannot be read counts as "noexec", so that doubt
// never runs a program.
bool liesOnNoexecMount(const fs::path &path) {
    struct statvfs status {};
    return ::statvfs(path.c_str(), &status) != 0 || (status.f_flag & ST_NOEXEC) != 0;
}

LaunchDecision fileDecision(const fs::path &real) {
    if (!isProgram(real))
        return LaunchAction{LaunchKind::OpenFile, real.string()};
    if (liesOnNoexecMount(real))
        return LaunchRefusal::ProgramOnNoexecMedium;
    // A program this user may not run is a document to them.
    const LaunchKind kind =
        ::access(real.c_str(), X_OK) == 0 ? LaunchKind::RunProgram : LaunchKind::OpenFile;
    return LaunchAction{kind, real.string()};
}

} // namespace

bool isAddress(std::string_view target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    const std::string_view scheme = target.substr(0, colon);
    return isAsciiLetter(scheme.front()) && std::ranges::all_of(scheme, isSchemeCharacter);
}

LaunchDecision decideLaunch(std::string_view strExeFile, const fs::path &mediumRoot) {
    if (isAddress(strExeFile))
        return LaunchAction{LaunchKind::OpenUrl, std::string(strExeFile)};
    // An absolute path keeps the process start from searching PATH for a
    // program of the same name.
    std::error_code error;
    const auto real = realPathOnMedium(fs::absolute(fs::path(strExeFile), error), mediumRoot);
    if (!real)
        return LaunchRefusal::OffMedium;
    return fileDecision(*real);
}

std::string launchRefusalMessage(LaunchRefusal refusal, std::string_view target) {
    const std::string reason =
        refusal == LaunchRefusal::OffMedium
            ? "メディアの外にあるファイルは開けません。"
            : "このメディアはプログラムの実行が許可されていない設定 (noexec) "
              "でマウントされているため、プログラムを起動できません。";
    return reason + "\n\n" + std::string(target);
}
