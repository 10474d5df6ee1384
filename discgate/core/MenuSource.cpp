#include "MenuSource.h"

#include "FileRead.h"
#include "FileStore.h"
#include "FolderTrust.h"
#include "LexicalPath.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <sys/stat.h>
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

// File systems that others write: those of a server (and its other clients),
// of a host machine, or of disks shared between machines.
constexpr std::string_view sharedFileSystems[] = {
    "9p",
    "afs",
    "ceph",
    "cifs",
    "coda",
    "davfs",
    "gfs2",
    "glusterfs",
    "fuse.glusterfs",
    "fuse.sshfs",
    "fuse.rclone",
    "fuse.s3fs",
    "fuse.gvfsd-fuse",
    "lustre",
    "ncpfs",
    "nfs",
    "nfs4",
    "ocfs2",
    "smb3",
    "smbfs",
    "sshfs",
    "vboxsf",
    "virtiofs",
};

bool isSharedFileSystem(std::string_view type) {
    return std::ranges::find(sharedFileSystems, type) != std::ranges::end(sharedFileSystems);
}

// The mount of a line: its fields up to the mount point, then optional ones up
// to a "-", then the file system's type, its source and the superblock's
// options.
struct Mount {
    std::string device;
    std::string root;
    fs::path point;
    std::string type;
    bool readOnly = false;
};

std::optional<Mount> mountOf(const std::string &line) {
    const auto fields = fieldsOf(line);
    const auto separator =
        std::find(fields.begin() + std::min(fields.size(), mountPointField + 1), fields.end(), "-");
    if (fields.end() - separator < 4)
        return std::nullopt;
    const std::string &options = *(separator + 3);
    return Mount{fields[deviceField], unescaped(fields[rootField]),
                 fs::path(unescaped(fields[mountPointField])), *(separator + 1),
                 options == "ro" || options.starts_with("ro,")};
}

bool liesWhereMediaAreMounted(const fs::path &mountPoint) {
    return isLexicallyBelow(mountPoint, "/media") || isLexicallyBelow(mountPoint, "/run/media");
}

// A partition's attributes of the whole disk stand in its parent folder. A
// loop device counts when its image is the system's, wherever it is mounted.
bool isMediaMount(const Mount &mount, const MediumProbes &probes) {
    const std::string folder = "dev/block/" + mount.device + "/";
    if (auto image = probes.readSystemFile(folder + "loop/backing_file")) {
        if (image->ends_with('\n'))
            image->pop_back();
        return probes.isSystemImage(*image);
    }
    return liesWhereMediaAreMounted(mount.point) ||
           trimmedLine(probes.readSystemFile(folder + "removable")) == "1" ||
           trimmedLine(probes.readSystemFile(folder + "../removable")) == "1" ||
           trimmedLine(probes.readSystemFile(folder + "device/type")) == opticalDeviceType;
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
                        const MediumProbes &probes) {
    std::istringstream lines{std::string(mountInfo)};
    std::optional<Mount> mount;
    // A later mount on the same point hides the earlier ones.
    for (std::string line; std::getline(lines, line);) {
        if (auto parsed = mountOf(line); parsed && parsed->point == folder)
            mount = std::move(parsed);
    }
    if (!mount || mount->root != "/" || isSharedFileSystem(mount->type))
        return MenuSource::Folder;
    const bool medium =
        isMediaMount(*mount, probes) && (mount->readOnly || probes.nobodyElseMayWrite(folder));
    return medium ? MenuSource::Medium : MenuSource::Folder;
}

MenuSource menuSourceOf(const fs::path &folder) {
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    const auto mountInfo = readKernelFile("/proc/self/mountinfo");
    if (error || !mountInfo)
        return MenuSource::Folder;
    const char *home = std::getenv("HOME");
    const fs::path homeFolder = home ? fs::path(home) : fs::path();
    return menuSourceOf(
        real, *mountInfo,
        {[](const std::string &relative) { return readKernelFile(fs::path("/sys") / relative); },
         nobodyElseMayWrite,
         [&homeFolder](const fs::path &image) { return isSystemImage(image, homeFolder); }});
}

bool isSystemImage(const fs::path &path, const fs::path &home) {
    struct stat status {};
    return path.is_absolute() && ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_uid == 0 && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0 &&
           !(home.is_absolute() && isLexicallyWithin(path, home));
}
