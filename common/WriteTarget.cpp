#include "WriteTarget.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// As many links as the kernel follows in one path before it gives up.
constexpr int mostLinks = 40;

// Whether the kernel's protected-links rule lets the writing user follow the
// link, which lies in `folder`.
bool mayFollow(const struct stat &link, const fs::path &folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        return false;
    const bool sharedFolder = (status.st_mode & S_ISVTX) != 0 && (status.st_mode & S_IWOTH) != 0;
    return !sharedFolder || link.st_uid == ::geteuid() || link.st_uid == status.st_uid;
}

} // namespace

WriteTarget writeTargetFor(const fs::path &path) {
    fs::path current = path;
    for (int links = 0; links <= mostLinks; ++links) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return {current, std::nullopt};
        const fs::path folder = current.parent_path();
        if (!mayFollow(status, folder))
            return {current, WriteError{WriteProblem::UnsafeLink, path, EPERM}};
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof target)
            return {current,
                    WriteError{WriteProblem::Other, path, length < 0 ? errno : ENAMETOOLONG}};
        current = folder / fs::path(std::string(target, static_cast<std::size_t>(length)));
    }
    return {current, WriteError{WriteProblem::NotAFile, path, ELOOP}};
}
