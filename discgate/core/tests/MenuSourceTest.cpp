#include "MenuSource.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// A mount table of a desktop: the system disk, a stick and a disc mounted by
// the desktop, a disc image, a stick mounted by hand, home folders, a bind
// mount of a folder and a network share.
const std::string mountInfo = "21 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
                              "40 21 8:17 / /media/ann/STICK rw,nosuid - vfat /dev/sdb1 rw\n"
                              "41 21 11:0 / /run/media/ann/DISC ro,nosuid - iso9660 /dev/sr0 ro\n"
                              "42 21 7:3 / /home/ann/iso\\040image ro - iso9660 /dev/loop3 ro\n"
                              "43 21 8:32 / /mnt/stick rw - ext4 /dev/sdc rw\n"
                              "44 21 8:2 / /home rw - ext4 /dev/sda2 rw\n"
                              "45 21 8:2 /ann/Downloads /mnt/downloads rw - ext4 /dev/sda2 rw\n"
                              "46 21 0:50 / /media/share rw - cifs //host/share rw\n"
                              "47 21 8:48 / /srv/disk rw - ext4 /dev/sdd1 rw\n"
                              "48 47 0:51 / /srv/disk rw - tmpfs tmpfs rw\n";

// What /sys says of those devices: sdb and sdc are removable (sdb1 a partition
// of sdb), sr0 an optical drive, loop3 backed by an image; sda is fixed.
const std::map<std::string, std::string> system = {
    {"dev/block/8:1/../removable", "0\n"}, {"dev/block/8:17/../removable", "1\n"},
    {"dev/block/11:0/device/type", "5\n"}, {"dev/block/7:3/loop/backing_file", "/a.iso\n"},
    {"dev/block/8:32/removable", "1\n"},   {"dev/block/8:2/../removable", "0\n"},
    {"dev/block/8:48/removable", "1\n"},
};

std::optional<std::string> readSystemFile(const std::string &path) {
    const auto found = system.find(path);
    return found == system.end() ? std::nullopt : std::optional(found->second);
}

TEST(MenuSourceTest, OnlyTheRootOfAMountedMediumIsAMedium) {
    const struct {
        const char *folder;
        MenuSource source;
    } rows[] = {
        {"/media/ann/STICK", MenuSource::Medium},
        {"/run/media/ann/DISC", MenuSource::Medium},
        {"/home/ann/iso image", MenuSource::Medium},
        {"/mnt/stick", MenuSource::Medium},
        {"/media/share", MenuSource::Medium},
        // A folder on a medium, downloads, a bind mount of a folder.
        {"/media/ann/STICK/sub", MenuSource::Folder},
        {"/home/ann/Downloads/coolmod", MenuSource::Folder},
        {"/home", MenuSource::Folder},
        {"/mnt/downloads", MenuSource::Folder},
        {"/", MenuSource::Folder},
        // A tmpfs mounted over a stick hides it.
        {"/srv/disk", MenuSource::Folder},
    };
    for (const auto &row : rows)
        EXPECT_EQ(menuSourceOf(row.folder, mountInfo, readSystemFile), row.source) << row.folder;
}

TEST(MenuSourceTest, AFolderOfThisSystemIsNoMedium) {
    EXPECT_EQ(menuSourceOf(testing::TempDir()), MenuSource::Folder);
}

} // namespace
