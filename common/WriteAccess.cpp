#include "WriteAccess.h"

#include "SystemError.h"

#include <sys/stat.h>
#include <unistd.h>

Result<void, std::error_code> writeAccess(const std::filesystem::path &path) {
    if (::access(path.c_str(), W_OK) != 0)
        return Failure{lastSystemError()};
    struct stat status {};
    if (::geteuid() == 0 && ::stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) == 0)
        return Failure{std::make_error_code(std::errc::permission_denied)};
    return {};
}
