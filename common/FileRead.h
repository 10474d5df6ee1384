#pragma once

#include "FileDescriptor.h"
#include "Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

// Whole-file reads of files that someone else may control: a settings file
// that was replaced, a calendar handed over, a medium's menu and pictures. A
// file is opened without blocking, so that a FIFO or device in its place
// cannot hang the program, and judged by fstat() of that one descriptor
// before a byte is read, so that a huge file costs no more than a small one.
// Nothing stays open when the read returns.
enum class FileReadProblem {
    TooLarge,   // larger than the limit, or grew past it while it was read
    NotRegular, // a folder, FIFO, device or socket
    System,     // the open, the look or the read failed; systemError says why
};

struct FileReadError {
    FileReadProblem problem = FileReadProblem::System;
    std::error_code systemError{};

    bool operator==(const FileReadError &) const = default;
};

enum class LastLink {
    Follow,
    // A symbolic link that the path names is refused (ELOOP), as a link
    // planted after the file was chosen must be; links on the way to it
    // are followed.
    Refuse,
};

// The file at `path`, opened for reading as readWholeFile() opens it.
Result<FileDescriptor, std::error_code> openForReading(const std::filesystem::path &path,
                                                       LastLink lastLink = LastLink::Follow);

// The whole content of the regular file at `path` when it holds at most
// `sizeLimit` bytes.
Result<std::string, FileReadError> readWholeFile(const std::filesystem::path &path,
                                                 std::uintmax_t sizeLimit,
                                                 LastLink lastLink = LastLink::Follow);

// The same for a file its caller opened already, from the descriptor's
// position to the end: what was opened is what is read, also where the
// caller judged the file through the very descriptor.
Result<std::string, FileReadError> readWholeFile(int descriptor, std::uintmax_t sizeLimit);
