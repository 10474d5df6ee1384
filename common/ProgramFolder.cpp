#include "ProgramFolder.h"

#include <cstdlib>
#include <unistd.h>

std::filesystem::path dataFolderFor(const std::filesystem::path &programFolder,
                                    const std::filesystem::path &configHome) {
    if (::access(programFolder.c_str(), W_OK) == 0)
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
