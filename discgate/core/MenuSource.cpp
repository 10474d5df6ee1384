#include "MenuSource.h"

#include "FileRead.h"
#include "FileStore.h"
#include "LexicalPath.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A line of the mount table: the fields up to the mount point are fixed.
constexpr std::size_t deviceField = 2;
constexpr std::size_t rootField = 3;
constexpr std::size_t mountPointField = 4;
// SCSI's peripheral type of a CD or DVD drive.
constexpr std::string_view opticalDeviceType = "5";

std::vector<std::string> fieldsOf(const std::string &line) {
    std::istringstream stream(line);
    std::vector<std::string> fields;
    for (std::string field; stream >> field;)
        fields.push_back(std::move(field));
    return fields;
}

// The mount table writes a blank, a tab, a line end and a backslash in a path
// as "\040", "\011", "\012" and "\134".
std::string unescaped(std::string_view field) {
    std::string text;
    for (std::size_t at = 0; at < field.size(); ++at) {
        const bool octal = field[at] == '\\' && at + 3 < field.size() &&
                           std::all_of(field.begin() + at + 1, field.begin() + at + 4,
                                       [](char c) { return c >= '0' && c <= '7'; });
        if (!octal) {
            text += field[at];
            continue;
        }
        text += static_cast<char>((field[at + 1] - '0') << 6 | (field[at + 2] - '0') << 3 |
                                  (field[at + 3] - '0'));
        at += 3;
    }
    return text;
}

std::string trimmedLine(std::optional<std::string> text) {
    if (!text)
        return {};
    while (!text->empty() && (text->back() == '\n' || text->back() == ' '))
        text->pop_back();
    return *text;
}

// A partition's attributes of the whole disk stand in its parent folder.
bool isMediaDevice(const std::string &device, const SystemFileReader &readSystemFile) {
    const std::string folder = "dev/block/" + device + "/";
    return readSystemFile(folder + "loop/backing_file") ||
           trimmedLine(readSystemFile(folder + "removable")) == "1" ||
           trimmedLine(readSystemFile(folder + "../removable")) == "1" ||
           trimmedLine(readSystemFile(folder + "device/type")) == opticalDeviceType;
}

bool liesWhereMediaAreMounted(const fs::path &mountPoint) {
    return isLexicallyBelow(mountPoint, "/media") || isLexicallyBelow(mountPoint, "/run/media");
}

// Reads a small file of /sys or /proc, which report no size.
std::optional<std::string> readKernelFile(const fs::path &path) {
    auto content = readWholeFile(path, FileStore::maximumFileSize);
    if (!content)
        return std::nullopt;
    return std::move(*content);
}

} // namespace

MenuSource menuSourceOf(const fs::path &folder, std::string_view mountInfo,
                        const SystemFileReader &readSystemFile) {
    std::istringstream lines{std::string(mountInfo)};
    std::vector<std::string> mount;
    // A later mount on the same point hides the earlier ones.
    for (std::string line; std::getline(lines, line);) {
        auto fields = fieldsOf(line);
        if (fields.size() > mountPointField &&
            fs::path(unescaped(fields[mountPointField])) == folder)
            mount = std::move(fields);
    }
    const bool medium =
        !mount.empty() && mount[rootField] == "/" &&
        (liesWhereMediaAreMounted(folder) || isMediaDevice(mount[deviceField], readSystemFile));
    return medium ? MenuSource::Medium : MenuSource::Folder;
}

MenuSource menuSourceOf(const fs::path &folder) {
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    const auto mountInfo = readKernelFile("/proc/self/mountinfo");
    if (error || !mountInfo)
        return MenuSource::Folder;
    return menuSourceOf(real, *mountInfo, [](const std::string &relative) {
        return readKernelFile(fs::path("/sys") / relative);
    });
}
