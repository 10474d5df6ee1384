#include "MenuSource.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;

namespace {

// A mount table of a desktop: the system disk, a stick and a disc mounted by
// the desktop, disc images (the system's, and one downloaded), a stick mounted
// by hand, home folders, a bind mount of a folder, network shares, and data
// disks whose top folder anyone may write, one of them read-only.
const std::string mountInfo = "21 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
                              "40 21 8:17 / /media/ann/STICK rw,nosuid - vfat /dev/sdb1 rw\n"
                              "41 21 11:0 / /run/media/ann/DISC ro,nosuid - iso9660 /dev/sr0 ro\n"
                              "42 21 7:3 / /home/ann/iso\\040image ro - iso9660 /dev/loop3 ro\n"
                              "43 21 8:32 / /mnt/stick rw - ext4 /dev/sdc rw\n"
                              "44 21 8:2 / /home rw - ext4 /dev/sda2 rw\n"
                              "45 21 8:2 /ann/Downloads /mnt/downloads rw - ext4 /dev/sda2 rw\n"
                              "46 21 0:50 / /media/share rw - cifs //host/share rw\n"
                              "47 21 8:48 / /srv/disk rw - ext4 /dev/sdd1 rw\n"
                              "48 47 0:51 / /srv/disk rw - tmpfs tmpfs rw\n"
                              "49 21 0:52 / /media/ann/nfs rw shared:7 - nfs4 host:/export rw\n"
                              "50 21 7:4 / /media/ann/coolmod ro,nosuid - iso9660 /dev/loop4 ro\n"
                              "51 21 8:64 / /media/ann/DATA rw - ext4 /dev/sde1 rw\n"
                              "52 21 8:80 / /media/ann/OLD ro - ext4 /dev/sdf1 ro\n";

// What /sys says of those devices: sdb and sdc are removable (sdb1 a partition
// of sdb), sr0 an optical drive, loop3 backed by an image; sda is fixed.
const std::map<std::string, std::string> system = {
    {"dev/block/8:1/../removable", "0\n"}, {"dev/block/8:17/../removable", "1\n"},
    {"dev/block/11:0/device/type", "5\n"}, {"dev/block/7:3/loop/backing_file", "/a.iso\n"},
    {"dev/block/8:32/removable", "1\n"},   {"dev/block/8:2/../removable", "0\n"},
    {"dev/block/8:48/removable", "1\n"},   {"dev/block/7:4/loop/backing_file", "/dl/c.img\n"},
};

// Anyone may write the top folders of DATA and OLD; only the first image is
// the system's.
const MediumProbes probes = {
    [](const std::string &path) {
        const auto found = system.find(path);
        return found == system.end() ? std::nullopt : std::optional(found->second);
    },
    [](const fs::path &folder) {
        return folder.filename() != "DATA" && folder.filename() != "OLD";
    },
    [](const fs::path &image) { return image == "/a.iso"; },
};

TEST(MenuSourceTest, OnlyTheRootOfAMountedMediumIsAMedium) {
    const struct {
        const char *folder;
        MenuSource source;
    } rows[] = {
        {"/media/ann/STICK", MenuSource::Medium},
        {"/run/media/ann/DISC", MenuSource::Medium},
        {"/home/ann/iso image", MenuSource::Medium},
        {"/mnt/stick", MenuSource::Medium},
        {"/media/ann/OLD", MenuSource::Medium},
        // Written by others: network shares, a downloaded image, a shared disk.
        {"/media/share", MenuSource::Folder},
        {"/media/ann/nfs", MenuSource::Folder},
        {"/media/ann/coolmod", MenuSource::Folder},
        {"/media/ann/DATA", MenuSource::Folder},
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
        EXPECT_EQ(menuSourceOf(row.folder, mountInfo, probes), row.source) << row.folder;
}

TEST(MenuSourceTest, AFolderOfThisSystemIsNoMedium) {
    EXPECT_EQ(menuSourceOf(testing::TempDir()), MenuSource::Folder);
}

// An image is the system's only when root owns it, nobody else may write it
// and it lies outside the home; a link to one is not.
TEST(MenuSourceTest, OnlyRootsImagesOutsideTheHomeAreTheSystems) {
    TemporaryFolder folder;
    writeBytes(folder / "a.iso", "");
    fs::create_symlink(folder / "a.iso", folder / "link.iso");
    const bool root = ::geteuid() == 0;
    EXPECT_EQ(isSystemImage(folder / "a.iso", "/nonexistent/home"), root);
    EXPECT_FALSE(isSystemImage(folder / "a.iso", folder.path()));
    EXPECT_FALSE(isSystemImage(folder / "link.iso", "/nonexistent/home"));
    EXPECT_FALSE(isSystemImage(folder.path(), "/nonexistent/home"));
    fs::permissions(folder / "a.iso", fs::perms::others_write, fs::perm_options::add);
    EXPECT_FALSE(isSystemImage(folder / "a.iso", "/nonexistent/home"));
}

} // namespace
