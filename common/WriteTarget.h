#pragma once

#include "WriteError.h"

#include <filesystem>
#include <sys/stat.h>

// The file that a write to a path replaces: the path itself, or the file that
// its symbolic links lead to. A link is followed only where nobody else could
// have made it: the link is the user's, it lies in a folder of the user's that
// nobody else may write, and it leads to a file on its own file system.
// Another user could otherwise plant Data.ini in a shared or team folder, or
// on a stick whose files carry our user id, as a link to the writer's
// ~/.bashrc, and the next save would rewrite that file.
struct WriteTarget {
    std::filesystem::path path;
    // Why nothing may be written: an unsafe link, or a loop of links.
    WriteResult error;
};

WriteTarget writeTargetFor(const std::filesystem::path &path);

// Whether the folder of `status` belongs to the user and nobody else may write
// it, so that nobody else can have put a file or a link into it.
bool isTheUsersPrivateFolder(const struct stat &status);
