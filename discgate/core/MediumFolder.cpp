#include "MediumFolder.h"

#include "LauncherDescription.h"
#include "MediumPath.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A named file stands for its folder; anything else is taken as a folder, so
// that a missing one is reported with the Autorun.inf it lacks.
fs::path namedFolder(const fs::path &named) {
    std::error_code error;
    const fs::path full = fs::absolute(named, error);
    return fs::is_regular_file(full, error) ? full.parent_path() : full;
}

bool isBelow(const fs::path &path, const fs::path &folder) {
    const auto [end, ignored] = std::ranges::mismatch(folder, path);
    return end == folder.end() && path != folder;
}

} // namespace

bool holdsLauncherDescription(const fs::path &folder) {
    std::error_code error;
    return fs::is_regular_file(mediumFilePath(folder, descriptionFileName), error);
}

bool isRemovableMediaMount(const fs::path &mountPoint) {
    const fs::path path = mountPoint.lexically_normal();
    return std::ranges::any_of(std::initializer_list<fs::path>{"/media", "/run/media", "/mnt"},
                               [&path](const fs::path &folder) { return isBelow(path, folder); });
}

std::optional<fs::path> findMediumFolder(const MediumSearch &search) {
    if (search.named)
        return namedFolder(*search.named);
    if (holdsLauncherDescription(search.programFolder))
        return search.programFolder;
    std::optional<fs::path> found;
    for (const fs::path &mountPoint : search.mediaMountPoints) {
        if (!holdsLauncherDescription(mountPoint))
            continue;
        if (found)
            return std::nullopt;
        found = mountPoint;
    }
    return found;
}

fs::path mediaParentFolder(const fs::path &root, std::string_view user, const fs::path &home) {
    std::error_code error;
    for (const fs::path &folder : {root / "run/media" / user, root / "media" / user}) {
        if (!user.empty() && fs::is_directory(folder, error))
            return folder;
    }
    return home;
}
