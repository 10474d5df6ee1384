#pragma once

#include <filesystem>
#include <string_view>
#include <sys/types.h>

// Writes all of `bytes` into the file open as `fd` from `offset` on, however
// many calls that takes. On failure errno says why.
bool writeAllAt(int fd, std::string_view bytes, off_t offset);

// Flushes the folder's list of names to the disk, so that a file just made,
// renamed or removed there stays so after a power failure.
void syncFolder(const std::filesystem::path &folder);
