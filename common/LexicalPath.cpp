#include "LexicalPath.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

fs::path withoutTrailingSeparator(const fs::path &path) {
    const fs::path normal = path.lexically_normal();
    return normal.has_filename() || !normal.has_relative_path() ? normal : normal.parent_path();
}

bool startsWith(const fs::path &inner, const fs::path &outer) {
    const auto [end, ignored] = std::ranges::mismatch(outer, inner);
    return end == outer.end();
}

} // namespace

bool isLexicallyBelow(const fs::path &path, const fs::path &folder) {
    const fs::path inner = withoutTrailingSeparator(path);
    const fs::path outer = withoutTrailingSeparator(folder);
    return startsWith(inner, outer) && inner != outer;
}

bool isLexicallyWithin(const fs::path &path, const fs::path &folder) {
    return startsWith(withoutTrailingSeparator(path), withoutTrailingSeparator(folder));
}
