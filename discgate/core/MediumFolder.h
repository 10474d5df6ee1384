#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// Where the launcher looks for its Autorun.inf. The copy of the launcher that
// a medium carries reads the file beside itself. An installed copy, started
// from the desktop's menu, looks for a mounted medium that holds one.
struct MediumSearch {
    std::filesystem::path programFolder;
    // The medium, a folder on it or a file on it, named on the command line.
    std::optional<std::filesystem::path> named;
    // Where removable media are mounted now.
    std::vector<std::filesystem::path> mediaMountPoints;
};

// The folder whose Autorun.inf the launcher reads: the medium of the path
// named on the command line (see climbToMedium), else the program folder when it holds Autorun.inf,
// else the one removable medium that holds one. Nothing when the user has to choose, because no
// medium or several hold one.
std::optional<std::filesystem::path> findMediumFolder(const MediumSearch &search);

// The local path that a desktop hands over for a medium: a path as it stands,
// or a file:// URI (percent-encoded, with no host or "localhost"), decoded to
// the file system's bytes. Nothing for a URI that names no local file, or
// whose escapes are broken or hide a separator or a NUL.
std::optional<std::filesystem::path> localPathOfArgument(std::string_view argument);

// The medium that `named` lies on: the nearest folder, from `named` (or the
// folder of a named file, through any link to it) upwards, that holds
// Autorun.inf. The walk stays on the file system where it starts, so it never
// leaves the medium's mount. Above the folder named it enters only folders
// that nobody but the user and root may write (see nobodyElseMayWrite), and
// takes only an Autorun.inf that the user or root owns:
// another user could otherwise put a menu above a folder of ours in a shared
// folder, and its buttons would run as us. When no folder holds one, the
// folder named, and the folder where the walk stopped for that reason.
struct MediumClimb {
    std::filesystem::path root;
    std::optional<std::filesystem::path> untrustedFolder;
};
MediumClimb climbToMedium(const std::filesystem::path &named);

// Whether a file system mounted at `mountPoint` is a removable medium. Desktops
// mount those under /media or /run/media, and older set-ups under /mnt.
bool isRemovableMediaMount(const std::filesystem::path &mountPoint);

// The folder in which the user picks a medium: the folder where the desktop
// mounts `user`'s media, if there is one below `root`, else `home`.
std::filesystem::path mediaParentFolder(const std::filesystem::path &root, std::string_view user,
                                        const std::filesystem::path &home);
