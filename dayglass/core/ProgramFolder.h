#pragma once

#include "DataFolder.h"

#include <filesystem>
#include <optional>

// Where dayglass keeps Data.ini and Calendar.ini: beside the program when its
// folder is the user's, writable, and writable by nobody else (the portable
// use it was made for; a folder that the group of the user's own name may
// write counts, see isTheUsersPrivateFolder), otherwise in the per-user folder
// `configHome`/dayglass, which the first write creates, unless another user made it. With neither,
// an empty path: there is no data folder, and nothing is read from or written to any folder at all
// (never the temporary folder, where other users could put files for us to read or to write
// through). A program folder that the user may not write but that is the user's and that
// nobody else may write either (a copy on a read-only medium, or in a folder of mode 0555)
// gives its files as the originals; the system's folders and those of others give none.
DataFolder dataFolderFor(const std::filesystem::path &programFolder,
                         const std::optional<std::filesystem::path> &configHome);

// Whether the user may write the program folder but another user may write
// it too, so that the files are not kept beside the program, which the user
// is to learn at each start.
bool othersMayWriteTheProgramFolder(const std::filesystem::path &programFolder);

// The user's configuration home: $XDG_CONFIG_HOME, or ~/.config. Only an
// absolute path counts, as the XDG base directory rules say; nothing when
// there is none.
std::optional<std::filesystem::path> userConfigHome();

// Takes the access of group and others away from an existing per-user data
// folder that belongs to the user, as desktop programs keep their settings
// private, whatever mode the folder was made with.
void keepDataFolderPrivate(const std::filesystem::path &dataFolder,
                           const std::filesystem::path &programFolder);
