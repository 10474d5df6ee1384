#include "LexicalPath.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

fs::path withoutTrailingSeparator(const fs::path &path) {
    const fs::path normal = path.lexically_normal();
    return normal.has_filename() || !normal.has_relative_path() ? normal : normal.parent_path();
}

} // namespace

bool isLexicallyBelow(const fs::path &path, const fs::path &folder) {
    const fs::path inner = withoutTrailingSeparator(path);
    const fs::path outer = withoutTrailingSeparator(folder);
    const auto [end, ignored] = std::ranges::mismatch(outer, inner);
    return end == outer.end() && inner != outer;
}
