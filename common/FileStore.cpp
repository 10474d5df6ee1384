#include "FileStore.h"

#include "ExtendedAttributes.h"
#include "FileDescriptor.h"
#include "FileJournal.h"
#include "FileRead.h"
#include "FileWrite.h"
#include "FolderLock.h"
#include "SystemError.h"
#include "WriteAccess.h"
#include "WriteTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace FileStore {
namespace {

WriteError oversized(const fs::path &path) {
    return {WriteProblem::Oversized, path, std::make_error_code(std::errc::file_too_large)};
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

// The process's umask, as the kernel lists it in the process's status
// ("Umask:\t0022"). The only other way to learn it is to set it and set it
// back, and in between every file that another thread of the process (Qt runs
// several) makes would get the mode 0666; so where the kernel does not list
// it (before Linux 4.7) it stays unknown.
std::optional<mode_t> currentUmask() {
    const auto status = readWholeFile("/proc/self/status", 64 * 1024);
    const std::size_t at = status ? status->find("\nUmask:") : std::string::npos;
    if (at == std::string::npos)
        return std::nullopt;
    return static_cast<mode_t>(std::strtoul(status->c_str() + at + 7, nullptr, 8) & 0777);
}

// Gives a new file the user's umask, and no access for group and others
// where the folder grants them none: the user's own settings folder keeps its
// files private. Where the umask is unknown the file keeps the mode that
// mkstemp() gave it, 0600 narrowed by the umask, which is never wider than
// the umask allows, only private where the umask would share it.
bool setModeOfNewFile(int fd, const fs::path &folder) {
    const std::optional<mode_t> mask = currentUmask();
    if (!mask)
        return true;
    struct stat status {};
    const bool privateFolder = ::stat(folder.c_str(), &status) == 0 && (status.st_mode & 077) == 0;
    return ::fchmod(fd, 0666 & ~*mask & (privateFolder ? 0700 : 0777)) == 0;
}

// Makes the folder and every missing folder above it, for their owner only.
Result<void, std::error_code> makeFolders(const fs::path &folder) {
    fs::path partial;
    for (const fs::path &part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return Failure{lastSystemError()};
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
// belongs to it; the owner's is no failure of the save. The mode comes
// before the extended attributes, which hold the access control list whose
// mask the mode's group bits are, and after the owner, as a change of owner
// clears the set-user-ID bit.
bool keepOwnerAndMode(int fd, const struct stat &old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Not the user's group either: the file keeps the user's own.
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The old content of the write target, read under the folder lock without
// following a link that was planted after the target was chosen, and the
// file still open.
struct OldFile {
    std::optional<std::string> content;
    struct stat status {};
    FileDescriptor file;
};

// Gives the new file all that the old one carried besides its bytes: its
// owner, group, mode and extended attributes, where the desktop keeps the
// user's tags and the system the access control list.
bool keepAttributes(int fd, const OldFile &old) {
    if (!keepOwnerAndMode(fd, old.status))
        return false;
    const Result<void, std::error_code> copied = copyExtendedAttributes(old.file.get(), fd);
    if (!copied)
        errno = copied.error().value();
    return static_cast<bool>(copied);
}

WriteResult replaceAtomically(const fs::path &path, const std::string &content,
                              const OldFile &old) {
    std::string pattern = path.parent_path() / (temporaryPrefix(path) + "XXXXXX");
    const FileDescriptor temporary(::mkstemp(pattern.data()));
    if (!temporary.valid())
        return Failure{writeErrorFor(path, lastSystemError())};
    const bool ok = writeAllAt(temporary.get(), content, 0) &&
                    (old.content ? keepAttributes(temporary.get(), old)
                                 : setModeOfNewFile(temporary.get(), path.parent_path())) &&
                    ::fsync(temporary.get()) == 0 && ::rename(pattern.c_str(), path.c_str()) == 0;
    if (!ok) {
        const std::error_code systemError = lastSystemError();
        ::unlink(pattern.c_str());
        return Failure{writeErrorFor(path, systemError)};
    }
    syncFolder(path.parent_path());
    return {};
}

// A file of more than one name is written in place, so that every name keeps
// it, through a journal (FileJournal.h); and only in the user's private
// folder, where nobody else can have made the name a link to a file of the
// user's elsewhere, such as ~/.bashrc. Elsewhere it is replaced, as other
// files are, and the name written leaves the other names.
bool isWrittenInPlace(const fs::path &path, const OldFile &old) {
    return old.content && old.status.st_nlink > 1 && isTheUsersPrivateFolder(path.parent_path());
}

WriteResult writeInPlace(const fs::path &path, const std::string &content, const OldFile &old) {
    const FileDescriptor file(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!file.valid() || ::fstat(file.get(), &opened) != 0)
        return Failure{writeErrorFor(path, lastSystemError())};
    if (opened.st_dev != old.status.st_dev || opened.st_ino != old.status.st_ino)
        return Failure{writeErrorFor(path, std::make_error_code(std::errc::operation_would_block))};
    const Result<void, std::error_code> written =
        FileJournal::writeInPlace(file.get(), path, *old.content, content);
    if (!written)
        return Failure{writeErrorFor(path, written.error())};
    return {};
}

Result<OldFile, WriteError> readOldFile(const fs::path &path, std::uintmax_t sizeLimit) {
    OldFile old;
    if (::lstat(path.c_str(), &old.status) != 0) {
        if (errno != ENOENT)
            return Failure{writeErrorFor(path, lastSystemError())};
        return old;
    }
    if (S_ISLNK(old.status.st_mode))
        return Failure{
            writeErrorFor(path, std::make_error_code(std::errc::too_many_symbolic_link_levels))};
    if (!S_ISREG(old.status.st_mode))
        return Failure{WriteError{WriteProblem::NotAFile, path}};
    if (static_cast<std::uintmax_t>(old.status.st_size) > sizeLimit)
        return Failure{oversized(path)};
    old.file = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!old.file.valid() || ::fstat(old.file.get(), &opened) != 0)
        return Failure{writeErrorFor(path, lastSystemError())};
    // Another program replaced the file between the two looks.
    if (opened.st_dev != old.status.st_dev || opened.st_ino != old.status.st_ino)
        return Failure{writeErrorFor(path, std::make_error_code(std::errc::operation_would_block))};
    Result<std::string, FileReadError> content = readWholeFile(old.file.get(), sizeLimit);
    // The file opened is the regular file looked at, so a read that the
    // system did not fail was stopped by a file that grew past the limit.
    if (!content)
        return Failure{content.error().problem == FileReadProblem::System
                           ? writeErrorFor(path, content.error().systemError)
                           : oversized(path)};
    old.content = std::move(*content);
    return old;
}

WriteResult updateLocked(const fs::path &path,
                         const std::function<std::string(const std::optional<std::string> &)> &edit,
                         std::uintmax_t sizeLimit, EmptyContent emptyContent) {
    if (const Result<void, std::error_code> completed = FileJournal::completeInterruptedWrite(path);
        !completed)
        return Failure{writeErrorFor(path, completed.error())};
    const Result<OldFile, WriteError> old = readOldFile(path, sizeLimit);
    if (!old)
        return Failure{old.error()};
    const std::string content = edit(old->content);
    // A file that holds the new content already needs no write, so a file
    // the user protected from writing raises nothing when nothing changes;
    // nor does a missing file that would be empty.
    if (old->content ? content == *old->content
                     : content.empty() && emptyContent == EmptyContent::LeavesNoFile)
        return {};
    if (old->content) {
        if (const Result<void, std::error_code> access = writeAccess(path); !access)
            return Failure{writeErrorFor(path, access.error())};
    }
    if (const Result<void, std::error_code> access = writeAccess(path.parent_path()); !access)
        return Failure{writeErrorFor(path, access.error())};
    removeLeftoverTemporaries(path);
    if (content.size() > std::min(sizeLimit, processFileSizeLimit()))
        return Failure{writeErrorFor(path, std::make_error_code(std::errc::file_too_large))};
    if (isWrittenInPlace(path, *old))
        return writeInPlace(path, content, *old);
    return replaceAtomically(path, content, *old);
}

// Whether the file at `path`, reached as every read reaches it, holds what
// `edit` would make of it already.
bool holdsTheEditAlready(const fs::path &path,
                         const std::function<std::string(const std::optional<std::string> &)> &edit,
                         std::uintmax_t sizeLimit) {
    const Result<std::string, FileReadError> content = readWholeFile(path, sizeLimit);
    return content && edit(*content) == *content;
}

} // namespace

Result<std::string, FileReadError> read(const fs::path &path, std::uintmax_t sizeLimit) {
    const Result<FileDescriptor, std::error_code> file = openForReading(path);
    if (!file)
        return Failure{FileReadError{FileReadProblem::System, file.error()}};
    struct stat status {};
    const Result<fs::path, WriteError> target = writeTargetFor(path);
    // Only the file that a save would write has a journal of its saves.
    const auto hasJournal = [&] {
        struct stat journal {};
        return ::lstat(FileJournal::journalOf(*target).c_str(), &journal) == 0;
    };
    std::optional<Result<FileDescriptor, std::error_code>> lock;
    if (target && ::fstat(file->get(), &status) == 0 && S_ISREG(status.st_mode) &&
        (status.st_nlink > 1 || hasJournal())) {
        lock = lockFolder(target->parent_path(), MissingLockFile::Fail);
        if (*lock && hasJournal())
            static_cast<void>(FileJournal::completeInterruptedWrite(*target));
    }
    return readWholeFile(file->get(), sizeLimit);
}

WriteResult update(const fs::path &requestedPath,
                   const std::function<std::string(const std::optional<std::string> &)> &edit,
                   std::uintmax_t sizeLimit, EmptyContent emptyContent) {
    if (!requestedPath.is_absolute() || !requestedPath.has_filename())
        return Failure{WriteError{WriteProblem::NoFolder, requestedPath}};
    // A link that is not followed for writing is followed for reading: a
    // write through it that would change nothing is no failure to tell.
    const Result<fs::path, WriteError> target = writeTargetFor(requestedPath);
    if (!target)
        return holdsTheEditAlready(requestedPath, edit, sizeLimit) ? WriteResult()
                                                                   : Failure{target.error()};
    const fs::path &path = *target;
    if (const Result<void, std::error_code> folders = makeFolders(path.parent_path()); !folders)
        return Failure{writeErrorFor(path, folders.error())};
    const Result<FileDescriptor, std::error_code> lock = lockFolder(path.parent_path());
    if (!lock)
        return Failure{writeErrorFor(path, lock.error())};
    return updateLocked(path, edit, sizeLimit, emptyContent);
}

} // namespace FileStore
