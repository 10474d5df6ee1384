#include "WriteTarget.h"

#include "SystemError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// As many links as the kernel follows in one path before it gives up.
constexpr int mostLinks = 40;

// The largest entry of the account databases that is read; a larger one
// counts as unknown.
constexpr std::size_t largestAccountEntry = 1024 * 1024;

// The file system of `target`, or of the folder that would hold it when it
// does not exist yet.
std::optional<dev_t> deviceOf(const fs::path &target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0 &&
        (errno != ENOENT || ::stat(target.parent_path().c_str(), &status) != 0))
        return std::nullopt;
    return status.st_dev;
}

// Whether `device` holds the user's home folder.
bool isTheHomeFileSystem(dev_t device) {
    const char *home = std::getenv("HOME");
    struct stat status {};
    return home && fs::path(home).is_absolute() && ::stat(home, &status) == 0 &&
           status.st_dev == device;
}

// Why the link of `link`, in `folder` and leading to `target`, may not be
// followed for writing; nothing when it may.
std::optional<WriteProblem> linkProblem(const struct stat &link, const fs::path &folder,
                                        const fs::path &target) {
    struct stat folderStatus {};
    if (link.st_uid != ::geteuid() || ::stat(folder.c_str(), &folderStatus) != 0 ||
        !isTheUsersPrivateFolder(folder))
        return WriteProblem::UnsafeLink;
    if (isTheHomeFileSystem(folderStatus.st_dev) || deviceOf(target) == folderStatus.st_dev)
        return std::nullopt;
    return WriteProblem::LinkOffItsFileSystem;
}

// Runs a reentrant look-up of the account databases, such as getgrgid_r,
// in `buffer`, which grows while the entry does not fit. The entry found, or
// null.
template <typename Entry, typename LookUp>
Entry *lookUpAccount(Entry &entry, std::vector<char> &buffer, LookUp lookUp) {
    buffer.resize(1024);
    for (;;) {
        Entry *found = nullptr;
        const int error = lookUp(&entry, buffer.data(), buffer.size(), &found);
        if (error != ERANGE || buffer.size() >= largestAccountEntry)
            return error == 0 ? found : nullptr;
        buffer.resize(buffer.size() * 2);
    }
}

// Whether `group` is the user's private group, by the convention of the user
// private groups that Debian and Ubuntu give every user: the user's primary
// group, named as the user, that lists no other member. That no other account
// has it as its primary group is the convention's promise and cannot be
// checked: the accounts of a directory service (LDAP, SSSD) need not be listed
// at all, nor has every user id a password entry. Any other group may have
// anyone in it.
bool isTheUsersPrivateGroup(gid_t group) {
    struct passwd userEntry {};
    std::vector<char> userBuffer;
    const struct passwd *user = lookUpAccount(userEntry, userBuffer, [](auto... arguments) {
        return ::getpwuid_r(::geteuid(), arguments...);
    });
    if (!user || user->pw_gid != group)
        return false;
    struct group groupEntry {};
    std::vector<char> groupBuffer;
    const struct group *found = lookUpAccount(groupEntry, groupBuffer, [group](auto... arguments) {
        return ::getgrgid_r(group, arguments...);
    });
    if (!found || std::strcmp(found->gr_name, user->pw_name) != 0)
        return false;
    for (char **member = found->gr_mem; member && *member; ++member) {
        if (std::strcmp(*member, user->pw_name) != 0)
            return false;
    }
    return true;
}

} // namespace

bool isTheUsersPrivateFolder(const struct stat &status) {
    return status.st_uid == ::geteuid() && (status.st_mode & S_IWOTH) == 0 &&
           ((status.st_mode & S_IWGRP) == 0 || isTheUsersPrivateGroup(status.st_gid));
}

bool isTheUsersPrivateFolder(const fs::path &folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && isTheUsersPrivateFolder(status) &&
           ((status.st_mode & S_IWGRP) == 0 ||
            ::getxattr(folder.c_str(), "system.posix_acl_access", nullptr, 0) <= 0);
}

Result<fs::path, WriteError> writeTargetFor(const fs::path &path) {
    fs::path current = path;
    for (int links = 0; links <= mostLinks; ++links) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        const fs::path folder = current.parent_path();
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof target)
            return Failure{WriteError{WriteProblem::Other, path,
                                      length < 0
                                          ? lastSystemError()
                                          : std::make_error_code(std::errc::filename_too_long)}};
        const fs::path next =
            folder / fs::path(std::string(target, static_cast<std::size_t>(length)));
        if (const auto problem = linkProblem(status, folder, next))
            return Failure{WriteError{*problem, path,
                                      std::make_error_code(std::errc::operation_not_permitted)}};
        current = next;
    }
    return Failure{WriteError{WriteProblem::NotAFile, path,
                              std::make_error_code(std::errc::too_many_symbolic_link_levels)}};
}
