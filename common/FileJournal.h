#pragma once

#include "Result.h"

#include <filesystem>
#include <string_view>
#include <system_error>

// Writing a file in place, for a file with more than one name: a new file
// renamed over it would leave its other names on the old file. As SQLite does
// with its journals, the new bytes go first into a journal beside the file,
// which is flushed to the disk, and only then into the file itself. A kill at
// any moment leaves either the old bytes and an unfinished journal, which
// counts for nothing, or a finished journal, from which the next open or save
// of the file completes the new bytes under every name. Only the user's own
// journal in a folder that nobody else may write is ever read, so that nobody
// can make the user write their bytes into the user's file. Everything here
// runs under the folder's lock (FolderLock.h).
namespace FileJournal {

// The journal of `file`: ".Data.ini.journal" beside Data.ini.
std::filesystem::path journalOf(const std::filesystem::path &file);

// Writes `content` over `old`, what the file holds, into the regular file open
// for writing as `file` at `path` in the user's private folder; only the bytes
// from the first that differs on are written. A write that fails puts the old
// bytes back; should even that fail, the journal stays and the next open
// completes the new bytes.
Result<void, std::error_code> writeInPlace(int file, const std::filesystem::path &path,
                                           std::string_view old, std::string_view content);

// Completes the write that a finished journal beside `path` tells of, and
// removes it. An unfinished journal, or one of a file that has been replaced
// since, is removed; one that is not the user's own in the user's private
// folder is left alone and counts for nothing.
Result<void, std::error_code> completeInterruptedWrite(const std::filesystem::path &path);

} // namespace FileJournal
