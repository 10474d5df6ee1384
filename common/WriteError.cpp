#include "WriteError.h"

#include <cerrno>

WriteError writeErrorFor(const std::filesystem::path &path, std::error_code systemError) {
    // The codes of the system's calls and of std::filesystem both carry errno.
    switch (systemError.value()) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return {WriteProblem::ReadOnly, path, systemError};
    case ENOSPC:
    case EDQUOT:
        return {WriteProblem::DiskFull, path, systemError};
    case EFBIG:
        return {WriteProblem::TooLarge, path, systemError};
    case EWOULDBLOCK:
    case EBUSY:
        return {WriteProblem::Busy, path, systemError};
    case EISDIR:
        return {WriteProblem::NotAFile, path, systemError};
    case ELOOP:
        return {WriteProblem::UnsafeLink, path, systemError};
    case ENOENT:
    case ENOTDIR:
        return {WriteProblem::NoFolder, path, systemError};
    default:
        return {WriteProblem::Other, path, systemError};
    }
}
