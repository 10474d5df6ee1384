#include "FolderTrust.h"

#include "WriteTarget.h"

#include <sys/stat.h>

bool nobodyElseMayWrite(const std::filesystem::path &folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        return false;
    if (status.st_uid == 0)
        return (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    return isTheUsersPrivateFolder(folder);
}
