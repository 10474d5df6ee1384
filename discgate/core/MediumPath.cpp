#include "MediumPath.h"

#include "AsciiText.h"
#include "FileAddress.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The names of a relative path, without the empty ones of doubled separators.
std::vector<std::string_view> namesOf(std::string_view relative) {
    std::vector<std::string_view> names;
    while (!relative.empty()) {
        const std::size_t slash = relative.find('/');
        if (slash != 0)
            names.push_back(relative.substr(0, slash));
        relative =
            slash == std::string_view::npos ? std::string_view() : relative.substr(slash + 1);
    }
    return names;
}

// Where a target of Autorun.inf lies: a name on the medium (a Windows path
// relative to its root), an absolute path of this system, or an address.
enum class TargetPlace { OnMedium, Absolute, Address };

struct PlacedTarget {
    TargetPlace place;
    std::string text;
};

// A path from a `file:` address is a path like any other: "/D:/setup.exe" is
// a drive path, any other absolute path stays as it is, to be judged when it
// is opened, and a relative one lies on the medium.
PlacedTarget placeOf(std::string_view value) {
    if (const auto path = fileAddressPath(value)) {
        const std::string_view drivePath =
            path->starts_with('/') ? std::string_view(*path).substr(1) : std::string_view(*path);
        if (withoutDrive(drivePath) != drivePath)
            return {TargetPlace::OnMedium, std::string(withoutDrive(drivePath))};
        return {path->starts_with('/') ? TargetPlace::Absolute : TargetPlace::OnMedium, *path};
    }
    if (isAddress(value))
        return {TargetPlace::Address, std::string(value)};
    return {TargetPlace::OnMedium, std::string(withoutDrive(value))};
}

std::string withSlashes(std::string_view windowsName) {
    std::string relative(windowsName);
    std::ranges::replace(relative, '\\', '/');
    return relative;
}

} // namespace

std::string mediumFilePath(const fs::path &programFolder, std::string_view windowsName,
                           FolderListings &listings) {
    const std::string relative = withSlashes(windowsName);
    const std::string written = programFolder.string() + '/' + relative;
    const auto found = listings.find(programFolder, namesOf(relative));
    return !found || found->asWritten ? written : found->path.string();
}

std::string mediumFilePath(const fs::path &programFolder, std::string_view windowsName) {
    FolderListings listings;
    return mediumFilePath(programFolder, windowsName, listings);
}

std::string_view withoutDrive(std::string_view windowsPath) {
    if (windowsPath.size() < 2 || !isAsciiLetter(windowsPath[0]) || windowsPath[1] != ':')
        return windowsPath;
    const std::size_t rest = windowsPath.find_first_not_of("\\/", 2);
    return rest == std::string_view::npos ? std::string_view() : windowsPath.substr(rest);
}

std::string mediumTarget(const fs::path &mediumRoot, std::string_view value,
                         FolderListings &listings) {
    const PlacedTarget target = placeOf(value);
    return target.place == TargetPlace::OnMedium ? mediumFilePath(mediumRoot, target.text, listings)
                                                 : target.text;
}

bool existsOnMedium(const fs::path &mediumRoot, std::string_view value, FolderListings &listings) {
    const PlacedTarget target = placeOf(value);
    if (target.place == TargetPlace::Address)
        return false;
    if (target.place == TargetPlace::Absolute) {
        std::error_code error;
        return fs::exists(target.text, error);
    }
    const auto found = listings.find(mediumRoot, namesOf(withSlashes(target.text)));
    return found && found->leadsSomewhere;
}
