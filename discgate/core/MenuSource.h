#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Where a menu comes from. A medium is the root of a file system that the
// desktop mounted for a removable or optical device or a disc image; Windows
// runs the programs of a menu only from there. Anything else is a folder: an
// archive unpacked in Downloads, a clone of a repository, a shared folder, in
// which someone else may have put a menu and the program it runs.
enum class MenuSource { Medium, Folder };

// The content of a file below /sys, named relative to it, or nothing.
using SystemFileReader = std::function<std::optional<std::string>(const std::string &)>;

// Where the menu in `folder` (a real path) comes from, judged by the mount
// table `mountInfo` (in the form of /proc/self/mountinfo) and the block
// devices' attributes that `readSystemFile` gives: a medium when a file system
// is mounted at `folder` from its own root, and either the mount lies under
// /media or /run/media, where the desktop mounts media, or its device is
// removable, optical or a loop device.
MenuSource menuSourceOf(const std::filesystem::path &folder, std::string_view mountInfo,
                        const SystemFileReader &readSystemFile);

// The same for this process's mounts and this system's devices; `folder` may
// be any path of the folder.
MenuSource menuSourceOf(const std::filesystem::path &folder);
