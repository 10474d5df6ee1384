#pragma once

#include "Result.h"

#include <filesystem>
#include <system_error>

// Why a save did not happen, so that the window that asked for it can tell
// the user which file was not written and why.
enum class WriteProblem {
    ReadOnly,   // the file or its folder may not be written
    Busy,       // another program holds the file's lock past the wait
    DiskFull,   // no space left on the file system, or the user's quota is used up
    TooLarge,   // the file would pass a size limit of the file system or the process
    Oversized,  // the file is larger than any that is read or written, and stays as it is
    NotAFile,   // a folder, device or pipe stands where the file should be
    UnsafeLink, // a link that someone else could have made or changed
    // a link off the home folder's file system that leads to another file system
    LinkOffItsFileSystem,
    NoFolder, // there is nowhere to keep the file
    Other,    // any other failure of the system
};

struct WriteError {
    WriteProblem problem = WriteProblem::Other;
    std::filesystem::path path;
    // The system's error, where one applies; none (false) otherwise.
    std::error_code systemError{};

    bool operator==(const WriteError &) const = default;
};

// What a write reports: success when the file holds what was asked for.
using WriteResult = Result<void, WriteError>;

// The problem that a system error of a failed write or deletion means.
WriteError writeErrorFor(const std::filesystem::path &path, std::error_code systemError);
