#include "DataFolder.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

bool holdsAnyEntry(const std::filesystem::path &path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

} // namespace

std::filesystem::path DataFolder::fileToRead(const char *fileName) const {
    const std::filesystem::path own =
        path.is_absolute() ? path / fileName : std::filesystem::path();
    if (originals.empty() || (!own.empty() && holdsAnyEntry(own)))
        return own;
    const std::filesystem::path original = originals / fileName;
    return holdsAnyEntry(original) ? original : own;
}

cls_IniFile iniFileIn(const DataFolder &folder, const char *fileName, std::uintmax_t sizeLimit) {
    cls_IniFile ini = iniFileIn(folder.path, fileName, sizeLimit);
    if (!folder.originals.empty())
        ini.SetOriginal(folder.originals / fileName);
    return ini;
}

bool DataFolder::readsOriginalsAlone(std::initializer_list<const char *> fileNames) const {
    const auto holdsOneOf = [fileNames](const std::filesystem::path &folder) {
        return !folder.empty() && std::ranges::any_of(fileNames, [&](const char *name) {
            return holdsAnyEntry(folder / name);
        });
    };
    return holdsOneOf(originals) && !holdsOneOf(path);
}
