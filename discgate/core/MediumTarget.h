#pragma once

#include "FolderListings.h"

#include <filesystem>
#include <string>
#include <string_view>

// What a target of Autorun.inf, as written, opens on this system: an address
// unchanged; everything else a path on the medium whose root is `mediumRoot`,
// a drive path included (see withoutDrive). A `file:` address is a path like
// any other, and one that names no local file is left for the opener to
// refuse.
std::string mediumTarget(const std::filesystem::path &mediumRoot, std::string_view value,
                         FolderListings &listings);
