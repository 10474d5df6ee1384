#include "MediumPath.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool existsAsWritten(const fs::path &path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The entry of `folder` whose name matches `name` but for letter case. When
// several do, the first in byte order wins, so the choice never depends on the
// order in which the file system lists them.
std::optional<std::string> entryIgnoringCase(const fs::path &folder, std::string_view name) {
    std::optional<std::string> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string entryName = entry->path().filename().string();
        if (equalIgnoringAsciiCase(entryName, name) && (!found || entryName < *found))
            found = std::move(entryName);
    }
    return found;
}

} // namespace

std::string mediumFilePath(const fs::path &programFolder, std::string_view windowsName) {
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
        const std::optional<std::string> match = entryIgnoringCase(resolved, component);
        if (!match)
            return written;
        resolved /= *match;
    }
    return resolved.string();
}
