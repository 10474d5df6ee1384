#include "MediumFolder.h"

#include "AccessList.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class MediumFolderTest : public testing::Test {
protected:
    // A folder below the test's own that holds an Autorun.inf named `fileName`.
    fs::path medium(const std::string &name, const std::string &fileName = "Autorun.inf") {
        const fs::path folder = m_root / name;
        fs::create_directories(folder);
        writeBytes(folder / fileName, "[MainForm]\r\n");
        return folder;
    }
    fs::path emptyFolder(const std::string &name) {
        fs::create_directories(m_root / name);
        return m_root / name;
    }

private:
    TemporaryFolder m_root;
};

TEST_F(MediumFolderTest, ACopyOnTheMediumReadsTheFileBesideItself) {
    const fs::path program = medium("program");
    EXPECT_EQ(findMediumFolder({program, std::nullopt, {medium("mounted")}}), program);
    EXPECT_EQ(findMediumFolder({medium("capitals", "AUTORUN.INF"), std::nullopt, {}}),
              emptyFolder("capitals"));
}

TEST_F(MediumFolderTest, TheCommandLineNamesTheMediumByFolderOrByFile) {
    const fs::path program = medium("program");
    const fs::path other = medium("other");
    EXPECT_EQ(findMediumFolder({program, other, {}}), other);
    EXPECT_EQ(findMediumFolder({program, other / "Autorun.inf", {}}), other);
    // A link to the file stands for the medium that holds the file.
    fs::create_symlink(other / "Autorun.inf", emptyFolder("links") / "menu.inf");
    EXPECT_EQ(findMediumFolder({program, emptyFolder("links") / "menu.inf", {}}), other);
    // A folder without the file is still the one asked for, so that the error
    // names the file it lacks.
    const fs::path missing = emptyFolder("bare") / "not-there";
    EXPECT_EQ(findMediumFolder({program, missing, {}}), missing);
}

TEST_F(MediumFolderTest, AnInstalledCopyTakesTheOneMountedMediumWithAMenu) {
    const fs::path installed = emptyFolder("bin");
    const fs::path menu = medium("media/disc");
    const fs::path plain = emptyFolder("media/stick");
    EXPECT_EQ(findMediumFolder({installed, std::nullopt, {plain, menu}}), menu);
    // Nothing to take, or more than one: the user chooses.
    EXPECT_EQ(findMediumFolder({installed, std::nullopt, {plain}}), std::nullopt);
    EXPECT_EQ(findMediumFolder({installed, std::nullopt, {menu, medium("media/second")}}),
              std::nullopt);
}

TEST_F(MediumFolderTest, APathInsideTheMediumLeadsUpToItsRoot) {
    const fs::path disc = medium("media/ディスク", "AUTORUN.INF");
    fs::create_directories(disc / "Docs/en");
    writeBytes(disc / "Docs/en/guide.html", "");
    for (const fs::path &inside : {disc, disc / "Docs/en", disc / "Docs/en/",
                                   disc / "Docs/en/guide.html", disc / "Docs/en/../en"})
        EXPECT_EQ(climbToMedium(inside).root, disc) << inside;
    // The nearest menu wins over one further up.
    const fs::path inner = medium("media/ディスク/Extras");
    EXPECT_EQ(climbToMedium(inner / ".").root, inner);
    // Without a menu anywhere above, the folder named is reported as it is.
    const fs::path bare = emptyFolder("bare/sub");
    EXPECT_EQ(climbToMedium(bare).root, bare);
}

// Another user's menu in a shared folder above one of ours: the walk stops
// at the first folder that someone else may write, and says which.
TEST_F(MediumFolderTest, TheWalkUpTakesNoMenuThatSomeoneElseCouldHavePut) {
    const fs::path shared = medium("pub");
    const fs::path own = emptyFolder("pub/victimdisc/docs");
    for (const fs::perms mode :
         {fs::perms::all | fs::perms::sticky_bit, fs::perms::owner_all | fs::perms::others_all}) {
        fs::permissions(shared, mode);
        const MediumClimb climb = climbToMedium(own);
        EXPECT_EQ(climb.root, own);
        EXPECT_EQ(climb.untrustedFolder, shared);
    }
    fs::permissions(shared, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(climbToMedium(own).root, shared);
    EXPECT_EQ(climbToMedium(own).untrustedFolder, std::nullopt);
    // An access control list that lets another user write, behind a mode of
    // 0775 that the user's private group would allow.
    if (letAnotherUserWrite(shared, 12345)) {
        EXPECT_EQ(climbToMedium(own).untrustedFolder, shared);
        ::removexattr(shared.c_str(), "system.posix_acl_access");
        fs::permissions(shared, fs::perms::owner_all);
    }
    // Root's test can give the menu to someone else.
    if (::geteuid() == 0 && ::chown((shared / "Autorun.inf").c_str(), 65534, 65534) == 0) {
        EXPECT_EQ(climbToMedium(own).untrustedFolder, shared);
    }
}

TEST_F(MediumFolderTest, TheWalkUpStaysOnTheFileSystemWhereItStarts) {
    // A link planted on the medium leads onto another file system; the walk
    // from there must not come back through the link to the medium's menu.
    const fs::path disc = medium("disc");
    const TemporaryFolder elsewhere("/dev/shm");
    struct stat discStatus {
    }, shmStatus{};
    if (::stat(disc.c_str(), &discStatus) != 0 ||
        ::stat(elsewhere.path().c_str(), &shmStatus) != 0 || discStatus.st_dev == shmStatus.st_dev)
        GTEST_SKIP() << "/dev/shm is not a file system of its own here";
    fs::create_directories(elsewhere / "sub");
    fs::create_directory_symlink(elsewhere.path(), disc / "link");
    EXPECT_EQ(climbToMedium(disc / "link/sub").root, disc / "link/sub");
}

TEST_F(MediumFolderTest, ArgumentsArePathsOrLocalFileUris) {
    const std::pair<const char *, const char *> rows[] = {
        {"/media/user/DISC", "/media/user/DISC"},
        {"relative/disc", "relative/disc"},
        {"D:\\menu", "D:\\menu"},
        {"/media/user/a%20b", "/media/user/a%20b"},
        {"file:///media/user/DISC", "/media/user/DISC"},
        {"FILE://localhost/media/user/My%20Disc/", "/media/user/My Disc/"},
        {"file:///media/user/%E3%83%87%E3%82%A3%E3%82%B9%E3%82%AF", "/media/user/ディスク"},
        {"file:///media/%e3%83%87%e3%82%a3%e3%82%b9%e3%82%af%25", "/media/ディスク%"},
    };
    for (const auto &[argument, expected] : rows)
        EXPECT_EQ(localPathOfArgument(argument), fs::path(expected)) << argument;
}

TEST_F(MediumFolderTest, ArgumentUrisThatNameNoLocalFileAreRefused) {
    for (const char *argument :
         {"smb://server/share", "http://example.com/disc", "file://server/share", "file://",
          "file:///a%2Fb", "file:///a%2f..%2fetc", "file:///a%00b", "file:///a%G1", "file:///a%4",
          "file:///a%", "file:///a#b", "file:///a?b"})
        EXPECT_EQ(localPathOfArgument(argument), std::nullopt) << argument;
}

TEST_F(MediumFolderTest, RemovableMediaAreThoseMountedBelowTheMediaFolders) {
    for (const char *mountPoint : {"/media/user/DISC", "/run/media/user/DISC", "/mnt/cdrom",
                                   "/media/cdrom0", "/media/user/DISC/"})
        EXPECT_TRUE(isRemovableMediaMount(mountPoint)) << mountPoint;
    for (const char *mountPoint : {"/", "/media", "/media/", "/mnt/.", "/home", "/mediadisc/x",
                                   "/run/user/1000", "/media/../home/user"})
        EXPECT_FALSE(isRemovableMediaMount(mountPoint)) << mountPoint;
}

TEST_F(MediumFolderTest, MediaParentFolderIsWhereTheDesktopMountsTheUsersMedia) {
    TemporaryFolder root;
    const fs::path home = root / "home";
    EXPECT_EQ(mediaParentFolder(root.path(), "user", home), home);
    fs::create_directories(root / "media/user");
    EXPECT_EQ(mediaParentFolder(root.path(), "user", home), root / "media/user");
    EXPECT_EQ(mediaParentFolder(root.path(), "", home), home);
    fs::create_directories(root / "run/media/user");
    EXPECT_EQ(mediaParentFolder(root.path(), "user", home), root / "run/media/user");
}

} // namespace
