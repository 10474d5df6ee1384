#include "MediumFolder.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class MediumFolder : public testing::Test {
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

TEST_F(MediumFolder, ACopyOnTheMediumReadsTheFileBesideItself) {
    const fs::path program = medium("program");
    EXPECT_EQ(findMediumFolder({program, std::nullopt, {medium("mounted")}}), program);
    EXPECT_EQ(findMediumFolder({medium("capitals", "AUTORUN.INF"), std::nullopt, {}}),
              emptyFolder("capitals"));
}

TEST_F(MediumFolder, TheCommandLineNamesTheMediumByFolderOrByFile) {
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

TEST_F(MediumFolder, AnInstalledCopyTakesTheOneMountedMediumWithAMenu) {
    const fs::path installed = emptyFolder("bin");
    const fs::path menu = medium("media/disc");
    const fs::path plain = emptyFolder("media/stick");
    EXPECT_EQ(findMediumFolder({installed, std::nullopt, {plain, menu}}), menu);
    // Nothing to take, or more than one: the user chooses.
    EXPECT_EQ(findMediumFolder({installed, std::nullopt, {plain}}), std::nullopt);
    EXPECT_EQ(findMediumFolder({installed, std::nullopt, {menu, medium("media/second")}}),
              std::nullopt);
}

TEST(RemovableMedia, AreThoseMountedBelowTheMediaFolders) {
    for (const char *mountPoint : {"/media/user/DISC", "/run/media/user/DISC", "/mnt/cdrom",
                                   "/media/cdrom0", "/media/user/DISC/"})
        EXPECT_TRUE(isRemovableMediaMount(mountPoint)) << mountPoint;
    for (const char *mountPoint : {"/", "/media", "/media/", "/mnt/.", "/home", "/mediadisc/x",
                                   "/run/user/1000", "/media/../home/user"})
        EXPECT_FALSE(isRemovableMediaMount(mountPoint)) << mountPoint;
}

TEST(MediaParentFolder, IsWhereTheDesktopMountsTheUsersMedia) {
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
