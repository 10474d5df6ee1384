#pragma once

#include <filesystem>

// 0 when the user may change the file or make files in the folder at `path`;
// otherwise the error that a write would meet. Root passes every access test
// but that of a read-only file system, yet a file or folder that nobody may
// write is one the user has protected, so root meets EACCES there too.
int writeAccessError(const std::filesystem::path &path);
