#pragma once

#include "LauncherDescription.h"
#include "PlainMenu.h"

#include <filesystem>
#include <string>
#include <variant>

// What a medium's Autorun.inf describes: the skinned menu of the launcher
// window when the file has a [MainForm] section, else the plain menu that the
// Windows shell shows for a medium made for it alone.
using MenuDescription = std::variant<LauncherDescription, PlainMenu>;

// Autorun.inf of the medium whose root is `mediumRoot` as read, once, through
// one descriptor (see MediumFile.h), and the path under which errors name it.
// Fails when the file is missing, unreadable, off the medium or larger than
// any real description.
struct DescriptionFile {
    std::string path;
    std::string content;
};
Result<DescriptionFile, LoadError> readDescriptionFile(const std::filesystem::path &mediumRoot);

// The menu that the file describes, read as readDescriptionFile reads it.
// Fails as that fails, and as launcherDescriptionOf fails for a skinned menu.
Result<MenuDescription, LoadError> readMenuDescription(const std::filesystem::path &mediumRoot);

// The same for a skinned menu, whatever sections the file has.
DescriptionOrError readLauncherDescription(const std::filesystem::path &mediumRoot);
