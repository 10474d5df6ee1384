#pragma once

#include "MediumFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What this run of the launcher knows of its medium: the program's folder,
// the medium named by the first of `operands` (the arguments of the command
// line that are no options) as a path or a file:// URI, and the removable
// media mounted now. Nothing, after telling the user, when the argument names
// no local file, or when the climb to its medium stopped at a folder that
// someone else controls.
std::optional<MediumSearch> mediumSearchOf(const std::vector<std::string> &operands);

// Where the user picks a medium: the folder where the desktop mounts the
// user's media, or the home folder.
std::filesystem::path mediaDialogFolder();

// The folder whose Autorun.inf the launcher reads. When the search finds none,
// asks the user for it in a folder dialog that opens in `dialogFolder`;
// nothing when the user cancels.
std::optional<std::filesystem::path> chooseMediumFolder(const MediumSearch &search,
                                                        const std::filesystem::path &dialogFolder);
