#pragma once

#include <filesystem>

// Where dayglass keeps Data.ini and Calendar.ini: beside the program when its
// folder is writable (the portable use it was made for), otherwise in the
// per-user folder `configHome`/dayglass, which the first write creates.
std::filesystem::path dataFolderFor(const std::filesystem::path &programFolder,
                                    const std::filesystem::path &configHome);

// The user's configuration home: $XDG_CONFIG_HOME, or ~/.config.
std::filesystem::path userConfigHome();
