#pragma once

#include "FileDescriptor.h"
#include "Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

// Whether a file that Autorun.inf names lies on the medium. The medium's root
// is the folder that holds Autorun.inf. A name may climb out of it with ".."
// or through a symbolic link on the medium that points elsewhere; both would
// let a medium open, or run, any file of the system, so both are judged by the
// real path: every link followed and every "." and ".." resolved. A name that
// does not exist is judged by the real path of the part that exists and the
// rest as written.
//
// The real path of `path` when it is the root or lies below it, otherwise
// nothing; nothing as well when the root itself cannot be resolved.
std::optional<std::filesystem::path> realPathOnMedium(const std::filesystem::path &path,
                                                      const std::filesystem::path &mediumRoot);

// Opening the files of a medium, whose content, and whose very files, someone
// else controls. A file is judged by its real path (see realPathOnMedium)
// and then opened once, through one descriptor from which everything about it
// is learnt: its kind, its size and its bytes. Checking a path and opening it
// again would let the medium swap the file in between: a picture for a larger
// one, a folder of the medium for a link that leads off it, a file for a pipe
// whose opening never returns.
enum class MediumFileProblem {
    // Missing, unreadable, or no regular file where one is read.
    Missing,
    OffMedium,
    // Larger than FileStore::maximumFileSize.
    TooLarge,
};

struct OpenedFile {
    FileDescriptor descriptor;
    struct stat status {};
};

// Opens the file or folder at `path` on the medium whose root is `mediumRoot`,
// without blocking.
Result<OpenedFile, MediumFileProblem> openOnMedium(const std::filesystem::path &path,
                                                   const std::filesystem::path &mediumRoot);

// The same for `real`, a path that realPathOnMedium gave. It is opened one
// component at a time, following no link, so that what is opened is what was
// judged even if a folder on the way is swapped for a link meanwhile. Only a
// regular file is opened for reading; anything else is only looked at (an
// O_PATH descriptor), since opening a device can act on it. The status is that
// of what was looked at.
Result<OpenedFile, MediumFileProblem> openRealPath(const std::filesystem::path &real);

// The whole content of the regular file at `path` on the medium.
Result<std::string, MediumFileProblem> readMediumFile(const std::filesystem::path &path,
                                                      const std::filesystem::path &mediumRoot);
