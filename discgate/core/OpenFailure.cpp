#include "OpenFailure.h"

#include "MediumFile.h"

#include <array>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Only a regular file is read, and without waiting: a pipe on the medium
// named like a program must not hold the window, and a device must not be
// opened at all.
bool fileBeginsAsWindowsProgram(const fs::path &path) {
    const auto file = openRegularFile(AT_FDCWD, path.c_str());
    std::array<char, 2> magic{};
    return file && S_ISREG(file->status.st_mode) &&
           ::pread(file->descriptor.get(), magic.data(), magic.size(), 0) == 2 &&
           beginsAsWindowsProgram(std::string_view(magic.data(), magic.size()));
}

} // namespace

OpenFailure explainFailure(const LaunchAction &action, OpenFailure reported) {
    if (action.kind == LaunchKind::OpenUrl)
        return reported;
    const fs::path target(action.target);
    std::error_code error;
    if (!fs::exists(target, error))
        return {OpenProblem::FileMissing, {}};
    if (reported.problem == OpenProblem::NoProgramForFile &&
        (hasWindowsProgramName(target) || fileBeginsAsWindowsProgram(target)))
        return {OpenProblem::WindowsProgram, {}};
    return reported;
}
