#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uid_t otherUser = 12345;
constexpr gid_t otherGroup = 12346;

struct stat statusOf(const fs::path &path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

WriteResult write(const fs::path &path) {
    return iniFileAt(path.string()).SetDataStr("A", "x", "new");
}

// A save replaces the file with a new one, which must not change who owns it
// or who may read it: a Data.ini that root once saved stays the user's.
TEST(SaveOwnership, SavedFileKeepsOwnerGroupAndMode) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    TemporaryFolder folder;
    const fs::path path = folder / "Data.ini";
    writeBytes(path, "[A]\r\nx=old\r\n");
    ASSERT_EQ(::chown(path.c_str(), otherUser, otherGroup), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_EQ(write(path), std::nullopt);
    const struct stat status = statusOf(path);
    EXPECT_EQ(status.st_uid, otherUser);
    EXPECT_EQ(status.st_gid, otherGroup);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// The user's own settings folder is private; a file beside the program gets
// the umask as any file the user makes.
TEST(SaveOwnership, NewFilesArePrivateOnlyInAPrivateFolder) {
    TemporaryFolder folder;
    const mode_t previousMask = ::umask(022);
    const fs::path userFolder = folder / "config" / "dayglass";
    EXPECT_EQ(write(userFolder / "Data.ini"), std::nullopt);
    EXPECT_EQ(statusOf(folder / "config").st_mode & 07777, 0700u);
    EXPECT_EQ(statusOf(userFolder).st_mode & 07777, 0700u);
    EXPECT_EQ(statusOf(userFolder / "Data.ini").st_mode & 07777, 0600u);
    EXPECT_EQ(statusOf(userFolder / ".dayglass.lock").st_mode & 07777, 0600u);

    const fs::path programFolder = folder / "program";
    fs::create_directory(programFolder);
    fs::permissions(programFolder, static_cast<fs::perms>(0755));
    EXPECT_EQ(write(programFolder / "Data.ini"), std::nullopt);
    EXPECT_EQ(statusOf(programFolder / "Data.ini").st_mode & 07777, 0644u);
    ::umask(previousMask);
}

// In a folder that everybody may write, with the sticky bit, another user
// can plant the file as a link to one of ours. Only links of our own or of
// the folder's owner are followed there, as the kernel's protected-links rule
// does.
class PlantedLink : public testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "planting a link of another user needs root";
        ASSERT_EQ(::chmod(m_shared.path().c_str(), 01777), 0);
        writeBytes(m_victim, "echo hello\n");
        fs::create_symlink(m_victim, m_link);
    }

    TemporaryFolder m_shared;
    TemporaryFolder m_home;
    const fs::path m_victim = m_home / ".bashrc";
    const fs::path m_link = m_shared / "Calendar.ini";
};

TEST_F(PlantedLink, LinkOfAnotherUserIsNotWrittenThrough) {
    ASSERT_EQ(::lchown(m_link.c_str(), otherUser, otherGroup), 0);
    const WriteResult result = write(m_link);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->problem, WriteProblem::UnsafeLink);
    EXPECT_EQ(readBytes(m_victim), "echo hello\n");
    EXPECT_TRUE(fs::is_symlink(m_link));
}

TEST_F(PlantedLink, OwnLinkOrLinkOfTheFolderOwnerIsFollowed) {
    EXPECT_EQ(write(m_link), std::nullopt);
    EXPECT_EQ(readBytes(m_victim), "echo hello\n[A]\r\nx=new\r\n");
    ASSERT_EQ(::chown(m_shared.path().c_str(), otherUser, otherGroup), 0);
    ASSERT_EQ(::lchown(m_link.c_str(), otherUser, otherGroup), 0);
    EXPECT_EQ(iniFileAt(m_link.string()).SetDataStr("A", "x", "again"), std::nullopt);
    EXPECT_EQ(readBytes(m_victim), "echo hello\n[A]\r\nx=again\r\n");
}

// A link in an ordinary folder is followed whoever made it: only a folder
// that others may write lets them plant one.
TEST_F(PlantedLink, LinksInOtherFoldersAreFollowed) {
    ASSERT_EQ(::chmod(m_shared.path().c_str(), 0755), 0);
    ASSERT_EQ(::lchown(m_link.c_str(), otherUser, otherGroup), 0);
    EXPECT_EQ(write(m_link), std::nullopt);
    EXPECT_EQ(readBytes(m_victim), "echo hello\n[A]\r\nx=new\r\n");
}

} // namespace
