#include "MediumTarget.h"

#include "FileAddress.h"
#include "LaunchTarget.h"
#include "MediumPath.h"

namespace {

// A path from a `file:` address: "/D:/setup.exe" is a drive path, any other
// absolute path stays as it is, to be judged when it is opened, and a
// relative one lies on the medium.
std::string localTarget(const std::filesystem::path &mediumRoot, std::string_view path,
                        FolderListings &listings) {
    const std::string_view drivePath = path.starts_with('/') ? path.substr(1) : path;
    if (withoutDrive(drivePath) != drivePath)
        return mediumFilePath(mediumRoot, withoutDrive(drivePath), listings);
    return path.starts_with('/') ? std::string(path) : mediumFilePath(mediumRoot, path, listings);
}

} // namespace

std::string mediumTarget(const std::filesystem::path &mediumRoot, std::string_view value,
                         FolderListings &listings) {
    if (const auto path = fileAddressPath(value))
        return localTarget(mediumRoot, *path, listings);
    return isAddress(value) ? std::string(value)
                            : mediumFilePath(mediumRoot, withoutDrive(value), listings);
}
