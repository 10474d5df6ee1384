#pragma once

#include "Result.h"

#include <filesystem>
#include <system_error>

// Whether the user may change the file or make files in the folder at `path`;
// when not, the system's error that a write would meet. Root passes every access test
// but that of a read-only file system, yet a file or folder that nobody may
// write is one the user has protected, so root meets EACCES there too.
Result<void, std::error_code> writeAccess(const std::filesystem::path &path);
