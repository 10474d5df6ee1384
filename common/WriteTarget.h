#pragma once

#include "WriteError.h"

#include <filesystem>
#include <sys/stat.h>

// The file that a write to a path replaces: the path itself, or the file that
// its symbolic links lead to. A link is followed only where nobody else could
// have made it: the link is the user's and lies in a folder of the user's that
// nobody else may write. Such a link on the file system of the user's home
// folder, where the user's own files live, leads wherever it points (a
// Data.ini kept in /dev/shm, a dotfile manager's links to another partition);
// any other leads only within its own file system. Another user could
// otherwise plant Data.ini in a shared or team folder, or on a stick whose
// files carry our user id, as a link to the writer's ~/.bashrc, and the next
// save would rewrite that file. The target is refused where nothing may be
// written: an unsafe link, or a loop of links.
Result<std::filesystem::path, WriteError> writeTargetFor(const std::filesystem::path &path);

// Whether the folder of `status` belongs to the user and nobody else may write
// it, so that nobody else can have put a file or a link into it: others may not
// write it, and its group may not either unless it is the user's private group
// (the user's primary group, named as the user, listing no other member).
bool isTheUsersPrivateFolder(const struct stat &status);

// The same for the folder at `folder`, which also looks at its access control
// list: a list that names further users or groups makes the group bits of the
// mode their mask, which says nothing of the group alone.
bool isTheUsersPrivateFolder(const std::filesystem::path &folder);
