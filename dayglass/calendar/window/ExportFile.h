#pragma once

#include "Result.h"
#include "WriteError.h"

#include <QString>
#include <string>

// Writes the exported bytes to the file the user named, whole or not at all:
// an existing file is replaced only once the new one is complete. Says why
// when it could not.
Result<void, WriteError> writeExportFile(const QString &path, const std::string &bytes);
