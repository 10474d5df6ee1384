#pragma once

#include "FileRead.h"
#include "WriteError.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Crash-safe whole-file replacement, the storage under our INI files, which
// are read through FileRead.h.
namespace FileStore {

// What a write of empty content does where there is no file.
enum class EmptyContent {
    LeavesNoFile,
    // An empty file is made, as one that must hide another of its name.
    MakesAnEmptyFile,
};

// The largest file that is read or written at all. Real settings files and
// menu descriptions are a few kilobytes; a larger one comes from a damaged or
// hostile medium, and reading it whole could exhaust the memory.
inline constexpr std::uintmax_t maximumFileSize = 64 * 1024 * 1024;

// The whole content of the regular file at `path` when it holds at most
// `sizeLimit` bytes, read as readWholeFile() reads it, once the save that a
// kill stopped while it wrote the file in place has been completed from its
// journal (FileJournal.h). A file with more than one name is read under the
// lock of its folder, where a save made one, so that no save writes into it
// meanwhile. Where the lock cannot be had or the write not be completed (the
// file is no longer the user's to write), the file is read as it is; the next
// save, which must complete it first, then says why it cannot.
Result<std::string, FileReadError> read(const std::filesystem::path &path,
                                        std::uintmax_t sizeLimit = maximumFileSize);

// Reads the file (nothing when it is missing), lets `edit` compute the new
// content and puts it in place, all under the lock of the file's folder (see
// FolderLock.h), so that two processes editing the same file lose nothing.
// The new content goes to a temporary file in the same folder that is flushed
// and then renamed over the old one: a crash or a failed write leaves the old
// file byte for byte, and no temporary file stays behind. The new file keeps
// the old one's mode, extended attributes and access control list and, where
// the writer may give them, its owner and group. A file of more than one name
// in the user's private folder is written in place instead, through a journal
// (FileJournal.h), so that it keeps its names; a crash leaves the old or,
// once the next open or save has completed it, the new content. A
// new file gets the user's umask (where the kernel cannot tell it without a
// change of it, the mode 0600 narrowed by the umask), and no access for group
// and others in a folder that grants them none. Links are followed as WriteTarget.h says; a link
// that is not followed reports nothing when the file it leads to holds the new content already. A
// missing folder is made, for its owner only. Nothing comes back when the file holds the new
// content (also when it held it already); otherwise why it does not. A file that holds the new
// content already is left untouched and reports nothing, even where it may not be written; a
// missing file whose new content is empty stays missing unless `emptyContent` asks for the file. A
// path that is not absolute names no folder at all and is never written. A file larger than
// `sizeLimit` is left as it is (Oversized), and no content larger than that, or than the process's
// file size limit (RLIMIT_FSIZE), is written (TooLarge).
WriteResult update(const std::filesystem::path &path,
                   const std::function<std::string(const std::optional<std::string> &)> &edit,
                   std::uintmax_t sizeLimit = maximumFileSize,
                   EmptyContent emptyContent = EmptyContent::LeavesNoFile);

} // namespace FileStore
