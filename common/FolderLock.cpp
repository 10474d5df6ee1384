#include "FolderLock.h"

#include "SystemError.h"

#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>

namespace {

constexpr mode_t lockFileMode = 0600;

// Opens the lock file, or makes it. A link or anything but a regular file in
// its place is refused: in a shared folder another user may have put it there.
Result<FileDescriptor, std::error_code> openLockFile(const std::filesystem::path &path,
                                                     MissingLockFile missing) {
    constexpr int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    FileDescriptor file(::open(path.c_str(), flags));
    if (!file.valid() && errno == ENOENT && missing == MissingLockFile::Make)
        file = FileDescriptor(::open(path.c_str(), flags | O_CREAT | O_EXCL, lockFileMode));
    if (!file.valid() && errno == EEXIST)
        file = FileDescriptor(::open(path.c_str(), flags));
    struct stat status {};
    if (!file.valid())
        return Failure{lastSystemError()};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return Failure{std::make_error_code(std::errc::is_a_directory)};
    // A lock file of the user's with another mode, whoever made it, or one the
    // user's umask narrowed below 0600, gets the lock file's mode back.
    if (status.st_uid == ::geteuid() && (status.st_mode & 07777) != lockFileMode)
        ::fchmod(file.get(), lockFileMode);
    return file;
}

// A wait for the lock in a thread of its own, which the caller may abandon.
struct PendingLock {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
    std::error_code error;
    FileDescriptor file;
};

void takeLock(const std::shared_ptr<PendingLock> &pending) {
    std::error_code error;
    while (::flock(pending->file.get(), LOCK_EX) != 0 &&
           (error = lastSystemError()) == std::errc::interrupted)
        error.clear();
    const std::lock_guard lock(pending->mutex);
    pending->done = true;
    pending->error = error;
    // Taken after the caller gave up: let it go at once.
    if (pending->abandoned)
        pending->file = FileDescriptor();
    pending->finished.notify_one();
}

// flock() offers no time limit, and a waiter that only retries now and then
// loses the lock, again and again, to a writer that takes it again at once,
// as the kernel wakes a blocked waiter the moment the lock is free. So the
// wait blocks in a thread of its own, which the caller leaves behind when its
// patience ends; should the lock come later, that thread lets it go.
Result<FileDescriptor, std::error_code> waitForLock(FileDescriptor file) {
    auto pending = std::make_shared<PendingLock>();
    pending->file = std::move(file);
    try {
        std::thread(takeLock, pending).detach();
    } catch (const std::system_error &error) {
        return Failure{error.code()};
    }
    std::unique_lock lock(pending->mutex);
    if (!pending->finished.wait_for(lock, folderLockPatience, [&] { return pending->done; })) {
        pending->abandoned = true;
        return Failure{std::make_error_code(std::errc::operation_would_block)};
    }
    if (pending->error)
        return Failure{pending->error};
    return std::move(pending->file);
}

} // namespace

Result<FileDescriptor, std::error_code> lockFolder(const std::filesystem::path &folder,
                                                   MissingLockFile missing) {
    Result<FileDescriptor, std::error_code> file = openLockFile(folder / folderLockName, missing);
    if (!file || ::flock(file->get(), LOCK_EX | LOCK_NB) == 0)
        return file;
    if (errno != EWOULDBLOCK)
        return Failure{lastSystemError()};
    return waitForLock(std::move(*file));
}
