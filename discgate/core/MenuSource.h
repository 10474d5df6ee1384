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

// What the judgement asks of the system besides its mount table.
struct MediumProbes {
    // The content of a file below /sys, named relative to it, or nothing.
    std::function<std::optional<std::string>(const std::string &)> readSystemFile;
    // Whether nobody but the user and root may write the folder at a path
    // (see nobodyElseMayWrite).
    std::function<bool(const std::filesystem::path &)> nobodyElseMayWrite;
    // Whether the disc image at a path is the system's (see isSystemImage).
    std::function<bool(const std::filesystem::path &)> isSystemImage;
};

// Where the menu in `folder` (a real path) comes from, judged by the mount
// table `mountInfo` (in the form of /proc/self/mountinfo) and `probes`: a
// medium when a file system is mounted at `folder` from its own root, the mount
// lies under /media or /run/media, where the desktop mounts media, or its
// device is removable, optical or a loop device, and someone else cannot have
// put the menu there. That excludes a network file system, whose server and
// its other clients write it; a top folder that someone else may write, as
// that of a shared data disk (unless the file system is mounted read-only);
// and a loop device whose image is not the system's, since a disc image that
// the user downloaded is no more a medium than the same files unpacked.
MenuSource menuSourceOf(const std::filesystem::path &folder, std::string_view mountInfo,
                        const MediumProbes &probes);

// The same for this process's mounts and this system's devices; `folder` may
// be any path of the folder.
MenuSource menuSourceOf(const std::filesystem::path &folder);

// Whether the image file at `path` (a loop device's backing file) is the
// system's: a regular file, not a link, that root owns and nobody else may
// write, outside the user's home folder `home`. A file of the user's, or one
// in the home, is a download; one of another user's, that user's.
bool isSystemImage(const std::filesystem::path &path, const std::filesystem::path &home);
