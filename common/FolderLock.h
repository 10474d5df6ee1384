#pragma once

#include "FileDescriptor.h"
#include "Result.h"

#include <chrono>
#include <filesystem>
#include <system_error>

// The lock under which our programs change the INI files of one folder, so
// that two processes that save at once lose nothing. It is a file of its own
// in the folder, never the folder itself: any user may open a shared folder
// and hold a lock on it. Another user can still hold the lock file of a
// shared folder, so the lock is waited for a bounded time only, and the save
// then reports the file as busy (EWOULDBLOCK) instead of freezing the window.
inline constexpr char folderLockName[] = ".dayglass.lock";
inline constexpr std::chrono::milliseconds folderLockPatience{1500};

enum class MissingLockFile {
    Make,
    // A read, which makes no file: where no save ever made the lock file,
    // there is no save to wait for (ENOENT).
    Fail,
};

// Takes the lock of `folder`: the lock file, open and locked, or the system's
// error that kept the lock from being taken. Its lock file is the user's
// alone (0600), made so where it is missing and set so where the user owns
// it: a lock file that others may open lets any of them hold the lock for
// ever, and every save of the user then ends in Busy.
Result<FileDescriptor, std::error_code> lockFolder(const std::filesystem::path &folder,
                                                   MissingLockFile missing = MissingLockFile::Make);
