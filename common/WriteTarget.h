#pragma once

#include "WriteError.h"

#include <filesystem>

// The file that a write to a path replaces: the path itself, or the file that
// its symbolic links lead to. A link is followed only where the kernel's
// protected-links rule would follow it: in a folder that everybody may write
// and that has the sticky bit (/tmp, a shared folder), only a link that
// belongs to the writing user or to the folder's owner. Another user could
// otherwise plant Calendar.ini there as a link to the writer's ~/.bashrc, and
// the next save would rewrite that file.
struct WriteTarget {
    std::filesystem::path path;
    // Why nothing may be written: an unsafe link, or a loop of links.
    WriteResult error;
};

WriteTarget writeTargetFor(const std::filesystem::path &path);
