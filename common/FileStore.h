#pragma once

#include "WriteError.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and crash-safe whole-file replacement, the storage under
// our INI files.
namespace FileStore {

// The largest file that is read or written at all. Real settings files and
// menu descriptions are a few kilobytes; a larger one comes from a damaged or
// hostile medium, and reading it whole could exhaust the memory.
inline constexpr std::uintmax_t maximumFileSize = 64 * 1024 * 1024;

// The bytes of a regular file, or nothing when it is missing, is no regular
// file or cannot be read.
std::optional<std::string> read(const std::filesystem::path &path);

// Whether the file holds exactly `expected`: cheaper than reading it whole,
// and false when it is missing or unreadable.
bool holds(const std::filesystem::path &path, std::string_view expected);

// The bytes from an open file's current position to its end.
std::optional<std::string> readDescriptor(int descriptor);

// Reads the file (nothing when it is missing), lets `edit` compute the new
// content and puts it in place, all under an exclusive lock of the file's
// folder, so that two processes editing the same file lose nothing. The new
// content goes to a temporary file in the same folder that is flushed and then
// renamed over the old one: a crash leaves either the old or the new file.
// A file that exists but is not a writable regular file is left alone, and a
// missing folder is created. Nothing comes back when the file holds the new
// content (also when it held it already); otherwise why it does not.
WriteResult update(const std::filesystem::path &path,
                   const std::function<std::string(const std::optional<std::string> &)> &edit);

} // namespace FileStore
