#include "MediumConfinement.h"

#include "LexicalPath.h"

#include <system_error>

namespace fs = std::filesystem;

std::optional<fs::path> realPathOnMedium(const fs::path &path, const fs::path &mediumRoot) {
    std::error_code error;
    const fs::path root = fs::canonical(mediumRoot, error);
    if (error)
        return std::nullopt;
    const fs::path real = fs::weakly_canonical(path, error);
    if (error)
        return std::nullopt;
    if (!isLexicallyWithin(real, root))
        return std::nullopt;
    return real;
}
