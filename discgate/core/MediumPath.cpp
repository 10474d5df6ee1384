#include "MediumPath.h"

#include "AsciiText.h"
#include "FileAddress.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool existsAsWritten(const fs::path &path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// A path from a `file:` address: "/D:/setup.exe" is a drive path, any other
// absolute path stays as it is, to be judged when it is opened, and a
// relative one lies on the medium.
std::string localTarget(const fs::path &mediumRoot, std::string_view path,
                        FolderListings &listings) {
    const std::string_view drivePath = path.starts_with('/') ? path.substr(1) : path;
    if (withoutDrive(drivePath) != drivePath)
        return mediumFilePath(mediumRoot, withoutDrive(drivePath), listings);
    return path.starts_with('/') ? std::string(path) : mediumFilePath(mediumRoot, path, listings);
}

} // namespace

std::string mediumFilePath(const fs::path &programFolder, std::string_view windowsName,
                           FolderListings &listings) {
    std::string relative(windowsName);
    std::ranges::replace(relative, '\\', '/');
    const std::string written = programFolder.string() + '/' + relative;
    if (existsAsWritten(written))
        return written;

    fs::path resolved = programFolder;
    std::string_view rest = relative;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view component = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (component.empty())
            continue;
        if (existsAsWritten(resolved / component)) {
            resolved /= component;
            continue;
        }
        const std::optional<std::string> match = listings.entryIgnoringCase(resolved, component);
        if (!match)
            return written;
        resolved /= *match;
    }
    return resolved.string();
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
    if (const auto path = fileAddressPath(value))
        return localTarget(mediumRoot, *path, listings);
    return isAddress(value) ? std::string(value)
                            : mediumFilePath(mediumRoot, withoutDrive(value), listings);
}
