#include "ProgramFolder.h"

#include "LexicalPath.h"
#include "WriteAccess.h"
#include "WriteTarget.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Whether the program was installed with the system: its folder belongs to
// the package manager, even when root, who may write there, starts it.
bool isSystemFolder(const fs::path &folder) {
    return folder.lexically_normal() == "/usr" || isLexicallyBelow(folder, "/usr");
}

std::optional<fs::path> absoluteEnvironmentPath(const char *name) {
    const char *value = std::getenv(name);
    if (!value || !fs::path(value).is_absolute())
        return std::nullopt;
    return fs::path(value);
}

// Whether the program folder is the portable kind, which keeps the files
// beside the program unless someone else may write it.
bool isPortableFolder(const fs::path &programFolder) {
    return programFolder.is_absolute() && !isSystemFolder(programFolder) &&
           writeAccess(programFolder);
}

// The folder whose files are read while the user has none of their own: the
// program folder when it would be the portable kind but for the user's own
// protection from writing.
fs::path originalsFolderFor(const fs::path &programFolder) {
    if (!programFolder.is_absolute() || isSystemFolder(programFolder) ||
        writeAccess(programFolder) || !isTheUsersPrivateFolder(programFolder))
        return {};
    return programFolder;
}

// The per-user folder in `configHome`; one that another user made is not
// used, and one of the user's own that others may use is made private by
// keepDataFolderPrivate.
fs::path userFolderIn(const std::optional<fs::path> &configHome) {
    if (!configHome)
        return {};
    const fs::path userFolder = *configHome / "dayglass";
    struct stat status {};
    if (::stat(userFolder.c_str(), &status) == 0 && status.st_uid != ::geteuid())
        return {};
    return userFolder;
}

} // namespace

DataFolder dataFolderFor(const fs::path &programFolder, const std::optional<fs::path> &configHome) {
    if (isPortableFolder(programFolder) && isTheUsersPrivateFolder(programFolder))
        return programFolder;
    return {userFolderIn(configHome), originalsFolderFor(programFolder)};
}

bool othersMayWriteTheProgramFolder(const fs::path &programFolder) {
    return isPortableFolder(programFolder) && !isTheUsersPrivateFolder(programFolder);
}

std::optional<fs::path> userConfigHome() {
    if (auto xdg = absoluteEnvironmentPath("XDG_CONFIG_HOME"))
        return xdg;
    if (auto home = absoluteEnvironmentPath("HOME"))
        return *home / ".config";
    return std::nullopt;
}

void keepDataFolderPrivate(const fs::path &dataFolder, const fs::path &programFolder) {
    struct stat status {};
    if (dataFolder.empty() || dataFolder == programFolder ||
        ::stat(dataFolder.c_str(), &status) != 0 || status.st_uid != ::geteuid() ||
        (status.st_mode & 077) == 0)
        return;
    // A folder that cannot be changed (on a read-only file system) stays as
    // it is; every save into it reports its own failure.
    ::chmod(dataFolder.c_str(), status.st_mode & 07700);
}
