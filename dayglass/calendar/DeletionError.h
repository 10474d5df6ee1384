#pragma once

#include "WriteError.h"

#include <filesystem>

// Why a file could not be deleted, from the system's error number of the
// failed deletion.
WriteError deletionError(const std::filesystem::path &file, int systemError);
