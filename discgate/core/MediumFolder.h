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
    // The folder, or a file in the folder, named on the command line.
    std::optional<std::filesystem::path> named;
    // Where removable media are mounted now.
    std::vector<std::filesystem::path> mediaMountPoints;
};

// The folder whose Autorun.inf the launcher reads: the folder named on the
// command line, else the program folder when it holds Autorun.inf, else the
// one removable medium that holds one. Nothing when the user has to choose,
// because no medium or several hold one.
std::optional<std::filesystem::path> findMediumFolder(const MediumSearch &search);

// Whether `folder` holds Autorun.inf, in any letter case.
bool holdsLauncherDescription(const std::filesystem::path &folder);

// Whether a file system mounted at `mountPoint` is a removable medium. Desktops
// mount those under /media or /run/media, and older set-ups under /mnt.
bool isRemovableMediaMount(const std::filesystem::path &mountPoint);

// The folder in which the user picks a medium: the folder where the desktop
// mounts `user`'s media, if there is one below `root`, else `home`.
std::filesystem::path mediaParentFolder(const std::filesystem::path &root, std::string_view user,
                                        const std::filesystem::path &home);
