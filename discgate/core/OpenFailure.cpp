#include "OpenFailure.h"

#include "AsciiText.h"
#include "FileDescriptor.h"

#include <array>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

bool hasWindowsProgramExtension(const fs::path &path) {
    const std::string extension = asciiLowered(path.extension().string());
    return extension == ".exe" || extension == ".com" || extension == ".bat" || extension == ".msi";
}

// Only a regular file is read, and without waiting: a pipe on the medium
// named like a program must not hold the window.
bool beginsAsWindowsProgram(const fs::path &path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    std::array<char, 2> magic{};
    return ::read(file.get(), magic.data(), magic.size()) == 2 && magic[0] == 'M' &&
           magic[1] == 'Z';
}

// A Windows program by its name (.exe, .com, .bat, .msi in any letter case) or
// by its first bytes ("MZ").
bool isWindowsProgram(const fs::path &path) {
    return hasWindowsProgramExtension(path) || beginsAsWindowsProgram(path);
}

} // namespace

OpenFailure explainFailure(const LaunchAction &action, OpenFailure reported) {
    if (action.kind == LaunchKind::OpenUrl)
        return reported;
    const fs::path target(action.target);
    std::error_code error;
    if (!fs::exists(target, error))
        return {OpenProblem::FileMissing, {}};
    if (reported.problem == OpenProblem::NoProgramForFile && isWindowsProgram(target))
        return {OpenProblem::WindowsProgram, {}};
    return reported;
}
