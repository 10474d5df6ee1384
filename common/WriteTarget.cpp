#include "WriteTarget.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// As many links as the kernel follows in one path before it gives up.
constexpr int mostLinks = 40;

// The file system of `target`, or of the folder that would hold it when it
// does not exist yet.
bool deviceOf(const fs::path &target, dev_t *device) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0 &&
        (errno != ENOENT || ::stat(target.parent_path().c_str(), &status) != 0))
        return false;
    *device = status.st_dev;
    return true;
}

bool mayFollow(const struct stat &link, const fs::path &folder, const fs::path &target) {
    struct stat folderStatus {};
    dev_t targetDevice = 0;
    return link.st_uid == ::geteuid() && ::stat(folder.c_str(), &folderStatus) == 0 &&
           isTheUsersPrivateFolder(folderStatus) && deviceOf(target, &targetDevice) &&
           targetDevice == folderStatus.st_dev;
}

} // namespace

bool isTheUsersPrivateFolder(const struct stat &status) {
    return status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

WriteTarget writeTargetFor(const fs::path &path) {
    fs::path current = path;
    for (int links = 0; links <= mostLinks; ++links) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return {current, std::nullopt};
        const fs::path folder = current.parent_path();
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof target)
            return {current,
                    WriteError{WriteProblem::Other, path, length < 0 ? errno : ENAMETOOLONG}};
        const fs::path next =
            folder / fs::path(std::string(target, static_cast<std::size_t>(length)));
        if (!mayFollow(status, folder, next))
            return {current, WriteError{WriteProblem::UnsafeLink, path, EPERM}};
        current = next;
    }
    return {current, WriteError{WriteProblem::NotAFile, path, ELOOP}};
}
