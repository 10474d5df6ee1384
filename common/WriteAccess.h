#pragma once

#include "Result.h"

#include <filesystem>

// Whether the user may change the file or make files in the folder at `path`;
// when not, the system error number that a write would meet. Root passes every access test
// but that of a read-only file system, yet a file or folder that nobody may
// write is one the user has protected, so root meets EACCES there too.
Result<void, int> writeAccess(const std::filesystem::path &path);
