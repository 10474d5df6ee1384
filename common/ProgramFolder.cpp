#include "ProgramFolder.h"

#include "LexicalPath.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether files may be made in the folder. Root passes every access test but
// that of a read-only file system, yet a folder that nobody may write is one
// the user has protected, as the files in it are.
bool isWritableFolder(const std::filesystem::path &folder) {
    if (::access(folder.c_str(), W_OK) != 0)
        return false;
    struct stat status {};
    return ::geteuid() != 0 ||
           (::stat(folder.c_str(), &status) == 0 && (status.st_mode & 0222) != 0);
}

// Whether the program was installed with the system: its folder belongs to
// the package manager, even when root, who may write there, starts it.
bool isSystemFolder(const std::filesystem::path &folder) {
    return folder.lexically_normal() == "/usr" || isLexicallyBelow(folder, "/usr");
}

} // namespace

std::filesystem::path dataFolderFor(const std::filesystem::path &programFolder,
                                    const std::filesystem::path &configHome) {
    if (!isSystemFolder(programFolder) && isWritableFolder(programFolder))
        return programFolder;
    return configHome / "dayglass";
}

std::filesystem::path userConfigHome() {
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return xdg;
    if (const char *home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config";
    return std::filesystem::temp_directory_path();
}
