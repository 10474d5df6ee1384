#pragma once

#include "FolderListings.h"

#include <filesystem>
#include <string>
#include <string_view>

// The file that describes a medium's menu, in its root; like every name of a
// medium, found in any letter case (see mediumFilePath).
inline constexpr char descriptionFileName[] = "Autorun.inf";

// The full path of a file that Autorun.inf names relative to the program
// folder. Media are authored on Windows, so "\" separates folders, and a name
// may differ in letter case from the file on the medium (CD file systems often
// store names in capitals). The name is joined as written, doubled separators
// included; when nothing exists there, each component that does not exist as
// written is replaced by an entry of its folder that differs only in ASCII
// letter case, found in `listings`, which walks the path once. When no such entry exists either,
// the path as written comes back, so that an error message can name it.
std::string mediumFilePath(const std::filesystem::path &programFolder, std::string_view windowsName,
                           FolderListings &listings);

// The same for a single lookup, with listings of its own.
std::string mediumFilePath(const std::filesystem::path &programFolder,
                           std::string_view windowsName);

// A target that Autorun.inf gives as a Windows drive path ("D:\setup.exe",
// "E:docs\a.pdf") named a file on the medium itself on the systems the menus
// were made for, whatever the drive letter: the rest of the path after the
// drive and its separators, to be taken relative to the medium's root. Any
// other value comes back unchanged.
std::string_view withoutDrive(std::string_view windowsPath);

// What a target of Autorun.inf, as written, opens on this system: an address
// unchanged; everything else a path on the medium whose root is `mediumRoot`,
// a drive path included (see withoutDrive). A `file:` address is a path like
// any other, and one that names no local file is left for the opener to
// refuse.
std::string mediumTarget(const std::filesystem::path &mediumRoot, std::string_view value,
                         FolderListings &listings);

// Whether the target `value`, as mediumTarget takes it, names a file or folder
// that exists (never an address), looked up as mediumTarget looks it up.
bool existsOnMedium(const std::filesystem::path &mediumRoot, std::string_view value,
                    FolderListings &listings);
