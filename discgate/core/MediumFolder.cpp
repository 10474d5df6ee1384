#include "MediumFolder.h"

#include "FileAddress.h"
#include "FolderTrust.h"
#include "LexicalPath.h"
#include "MediumPath.h"

#include <algorithm>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A named file stands for the folder it lies in, through any link to it;
// anything else is taken as a folder, so that a missing one is reported with
// the Autorun.inf it lacks.
fs::path namedFolder(const fs::path &named) {
    std::error_code error;
    const fs::path full = fs::absolute(named, error);
    if (!fs::is_regular_file(full, error))
        return full;
    const fs::path file = fs::canonical(full, error);
    return error ? full.parent_path() : file.parent_path();
}

// A URI is an address whose scheme is followed by "//". A path such as
// "D:\menu" or "disc:1" is no URI.
bool isUri(std::string_view argument) {
    return isAddress(argument) && argument.substr(argument.find(':')).starts_with("://");
}

std::optional<struct stat> statusOf(const fs::path &path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return status;
}

bool isOwnedByTheUserOrRoot(const fs::path &file) {
    const auto status = statusOf(file);
    return status && (status->st_uid == ::geteuid() || status->st_uid == 0);
}

// Whether `folder` holds Autorun.inf, in any letter case.
bool holdsLauncherDescription(const fs::path &folder) {
    std::error_code error;
    return fs::is_regular_file(mediumFilePath(folder, descriptionFileName), error);
}

} // namespace

std::optional<fs::path> localPathOfArgument(std::string_view argument) {
    if (!isUri(argument))
        return fs::path(argument);
    const std::optional<std::string> path = fileAddressPath(argument);
    if (!path)
        return std::nullopt;
    return fs::path(*path);
}

MediumClimb climbToMedium(const fs::path &named) {
    const fs::path normal = namedFolder(named).lexically_normal();
    const fs::path start = normal.has_filename() ? normal : normal.parent_path();
    const auto startStatus = statusOf(start);
    if (!startStatus || holdsLauncherDescription(start))
        return {start, std::nullopt};
    for (fs::path folder = start.parent_path();; folder = folder.parent_path()) {
        const auto status = statusOf(folder);
        if (!status || status->st_dev != startStatus->st_dev)
            return {start, std::nullopt};
        if (!nobodyElseMayWrite(folder))
            return {start, folder};
        if (holdsLauncherDescription(folder)) {
            if (!isOwnedByTheUserOrRoot(mediumFilePath(folder, descriptionFileName)))
                return {start, folder};
            return {folder, std::nullopt};
        }
        if (folder == folder.parent_path())
            return {start, std::nullopt};
    }
}

bool isRemovableMediaMount(const fs::path &mountPoint) {
    return std::ranges::any_of(
        std::initializer_list<fs::path>{"/media", "/run/media", "/mnt"},
        [&mountPoint](const fs::path &folder) { return isLexicallyBelow(mountPoint, folder); });
}

std::optional<fs::path> findMediumFolder(const MediumSearch &search) {
    if (search.named)
        return climbToMedium(*search.named).root;
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
