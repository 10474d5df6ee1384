#include "LaunchTarget.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view elfMagic = "\x7F"
                                      "ELF";

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isSchemeCharacter(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool isUrl(std::string_view target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    const std::string_view scheme = target.substr(0, colon);
    return isAsciiLetter(scheme.front()) && std::ranges::all_of(scheme, isSchemeCharacter);
}

bool isProgram(const fs::path &path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error) || ::access(path.c_str(), X_OK) != 0)
        return false;
    std::ifstream file(path, std::ios::binary);
    char magic[4] = {};
    file.read(magic, sizeof magic);
    const std::string_view start(magic, static_cast<std::size_t>(file.gcount()));
    return start == elfMagic || start.starts_with("#!");
}

} // namespace

LaunchAction classifyLaunchTarget(std::string_view strExeFile) {
    if (isUrl(strExeFile))
        return {LaunchKind::OpenUrl, std::string(strExeFile)};
    // An absolute path keeps the process start from searching PATH for a
    // program of the same name.
    std::error_code error;
    const fs::path path = fs::absolute(fs::path(strExeFile), error);
    return {isProgram(path) ? LaunchKind::RunProgram : LaunchKind::OpenFile, path.string()};
}
