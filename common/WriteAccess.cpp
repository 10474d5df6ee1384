#include "WriteAccess.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

Result<void, int> writeAccess(const std::filesystem::path &path) {
    if (::access(path.c_str(), W_OK) != 0)
        return Failure{errno};
    struct stat status {};
    if (::geteuid() == 0 && ::stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) == 0)
        return Failure{EACCES};
    return {};
}
