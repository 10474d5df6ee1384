#include "DeletionError.h"

#include <cerrno>

WriteError deletionError(const std::filesystem::path &file, int systemError) {
    switch (systemError) {
    case EACCES:
    case EPERM:
    case EROFS:
        // A folder that may not be written, a file marked undeletable, or a
        // medium mounted read-only.
        return {WriteProblem::ReadOnly, file, systemError};
    case EBUSY:
        return {WriteProblem::Busy, file, systemError};
    default:
        return {WriteProblem::Other, file, systemError};
    }
}
