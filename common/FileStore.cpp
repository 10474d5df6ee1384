#include "FileStore.h"

#include "FileDescriptor.h"
#include "FolderLock.h"
#include "WriteAccess.h"
#include "WriteTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace FileStore {
namespace {

bool writeAll(int fd, const std::string &bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result == 0)
            errno = EIO;
        if (result <= 0)
            return false;
        written += static_cast<std::size_t>(result);
    }
    return true;
}

bool isLargerThan(const struct stat &status, std::uintmax_t sizeLimit) {
    return static_cast<std::uintmax_t>(status.st_size) > sizeLimit;
}

// The largest file this process may write: beyond it the kernel ends the
// process with SIGXFSZ, or fails the write with EFBIG where the signal is
// ignored. Checked before the write, a save learns EFBIG either way.
std::uintmax_t processFileSizeLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::numeric_limits<std::uintmax_t>::max();
    return limit.rlim_cur;
}

// The process's umask, read without changing it. Kernels before Linux 4.7 do
// not list it in /proc/self/status; there it is read by setting it, which a
// thread making a file at the same moment could notice.
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The user's umask, and no access for group and others where the folder
// grants them none: the user's own settings folder keeps its files private.
mode_t modeForNewFileIn(const fs::path &folder) {
    const mode_t mask = currentUmask();
    struct stat status {};
    const bool privateFolder = ::stat(folder.c_str(), &status) == 0 && (status.st_mode & 077) == 0;
    return 0666 & ~mask & (privateFolder ? 0700 : 0777);
}

// Makes the folder and every missing folder above it, for their owner only.
// Returns the error that stopped it, or 0.
Result<void, int> makeFolders(const fs::path &folder) {
    fs::path partial;
    for (const fs::path &part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return Failure{errno};
    }
    return {};
}

// Temporary files are named ".<file name>." and six random characters.
std::string temporaryPrefix(const fs::path &path) {
    return '.' + path.filename().string() + '.';
}

// Temporary files are made only under the folder lock, so any that exist
// while it is held were left by a writer that died before its rename.
void removeLeftoverTemporaries(const fs::path &path) {
    const std::string prefix = temporaryPrefix(path);
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(path.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
            entry.is_regular_file(error))
            fs::remove(entry.path(), error);
    }
}

// Gives the new file the old one's owner, group and mode. Only root may give
// a file away, so a user's own write keeps at least the group where the user
// belongs to it; the owner's is no failure of the save. The mode comes last,
// as a change of owner clears the set-user-ID bit.
bool keepOwnerAndMode(int fd, const struct stat &old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Not the user's group either: the file keeps the user's own.
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

WriteResult replaceAtomically(const fs::path &path, const std::string &content,
                              const struct stat *old) {
    std::string pattern = path.parent_path() / (temporaryPrefix(path) + "XXXXXX");
    const FileDescriptor temporary(::mkstemp(pattern.data()));
    if (!temporary.valid())
        return Failure{writeErrorFor(path, errno)};
    const bool ok = writeAll(temporary.get(), content) &&
                    (old ? keepOwnerAndMode(temporary.get(), *old)
                         : ::fchmod(temporary.get(), modeForNewFileIn(path.parent_path())) == 0) &&
                    ::fsync(temporary.get()) == 0 && ::rename(pattern.c_str(), path.c_str()) == 0;
    if (!ok) {
        const int systemError = errno;
        ::unlink(pattern.c_str());
        return Failure{writeErrorFor(path, systemError)};
    }
    const FileDescriptor folder(
        ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return {};
}

// The old content of the write target, read under the folder lock without
// following a link that was planted after the target was chosen.
struct OldFile {
    std::optional<std::string> content;
    struct stat status {};
};

Result<OldFile, WriteError> readOldFile(const fs::path &path, std::uintmax_t sizeLimit) {
    OldFile old;
    if (::lstat(path.c_str(), &old.status) != 0) {
        if (errno != ENOENT)
            return Failure{writeErrorFor(path, errno)};
        return old;
    }
    if (S_ISLNK(old.status.st_mode))
        return Failure{writeErrorFor(path, ELOOP)};
    if (!S_ISREG(old.status.st_mode))
        return Failure{WriteError{WriteProblem::NotAFile, path, 0}};
    if (isLargerThan(old.status, sizeLimit))
        return Failure{WriteError{WriteProblem::Oversized, path, EFBIG}};
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!file.valid() || ::fstat(file.get(), &opened) != 0)
        return Failure{writeErrorFor(path, errno)};
    // Another program replaced the file between the two looks.
    if (opened.st_dev != old.status.st_dev || opened.st_ino != old.status.st_ino)
        return Failure{writeErrorFor(path, EWOULDBLOCK)};
    Result<std::string, int> content = readDescriptor(file.get(), sizeLimit);
    if (!content)
        return Failure{content.error() == EFBIG ? WriteError{WriteProblem::Oversized, path, EFBIG}
                                                : writeErrorFor(path, content.error())};
    old.content = std::move(*content);
    return old;
}

WriteResult updateLocked(const fs::path &path,
                         const std::function<std::string(const std::optional<std::string> &)> &edit,
                         std::uintmax_t sizeLimit) {
    const Result<OldFile, WriteError> old = readOldFile(path, sizeLimit);
    if (!old)
        return Failure{old.error()};
    const std::string content = edit(old->content);
    // A file that holds the new content already needs no write, so a file
    // the user protected from writing raises nothing when nothing changes;
    // nor does a missing file that would be empty.
    if (old->content ? content == *old->content : content.empty())
        return {};
    if (old->content) {
        if (const Result<void, int> access = writeAccess(path); !access)
            return Failure{writeErrorFor(path, access.error())};
    }
    if (const Result<void, int> access = writeAccess(path.parent_path()); !access)
        return Failure{writeErrorFor(path, access.error())};
    removeLeftoverTemporaries(path);
    if (content.size() > std::min(sizeLimit, processFileSizeLimit()))
        return Failure{writeErrorFor(path, EFBIG)};
    return replaceAtomically(path, content, old->content ? &old->status : nullptr);
}

// Whether the file at `path`, reached as every read reaches it, holds what
// `edit` would make of it already.
bool holdsTheEditAlready(const fs::path &path,
                         const std::function<std::string(const std::optional<std::string> &)> &edit,
                         std::uintmax_t sizeLimit) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid())
        return false;
    const Result<std::string, int> content = readDescriptor(file.get(), sizeLimit);
    return content && edit(*content) == *content;
}

} // namespace

Result<std::string, int> readDescriptor(int descriptor, std::uintmax_t sizeLimit) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return Failure{errno};
    if (!S_ISREG(status.st_mode))
        return Failure{EINVAL};
    if (isLargerThan(status, sizeLimit))
        return Failure{EFBIG};
    // One byte more than the file's size, so that the read that finds the
    // end needs no larger string; a file that grows meanwhile doubles it, up
    // to the limit.
    std::string content;
    content.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == content.size()) {
            if (done > sizeLimit)
                return Failure{EFBIG};
            content.resize(static_cast<std::size_t>(
                std::min<std::uintmax_t>(content.size() * 2, sizeLimit + 1)));
        }
        const ssize_t result = ::read(descriptor, content.data() + done, content.size() - done);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return Failure{errno};
        if (result == 0)
            break;
        done += static_cast<std::size_t>(result);
    }
    content.resize(done);
    return content;
}

WriteResult update(const fs::path &requestedPath,
                   const std::function<std::string(const std::optional<std::string> &)> &edit,
                   std::uintmax_t sizeLimit) {
    if (!requestedPath.is_absolute() || !requestedPath.has_filename())
        return Failure{WriteError{WriteProblem::NoFolder, requestedPath, 0}};
    // A link that is not followed for writing is followed for reading: a
    // write through it that would change nothing is no failure to tell.
    const Result<fs::path, WriteError> target = writeTargetFor(requestedPath);
    if (!target)
        return holdsTheEditAlready(requestedPath, edit, sizeLimit) ? WriteResult()
                                                                   : Failure{target.error()};
    const fs::path &path = *target;
    if (const Result<void, int> folders = makeFolders(path.parent_path()); !folders)
        return Failure{writeErrorFor(path, folders.error())};
    const Result<FileDescriptor, int> lock = lockFolder(path.parent_path());
    if (!lock)
        return Failure{writeErrorFor(path, lock.error())};
    return updateLocked(path, edit, sizeLimit);
}

} // namespace FileStore
