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
TEST(SaveOwnershipTest, SavedFileKeepsOwnerGroupAndMode) {
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
TEST(SaveOwnershipTest, NewFilesArePrivateOnlyInAPrivateFolder) {
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
    // The lock is the user's alone wherever it lies, also one made before.
    EXPECT_EQ(statusOf(programFolder / ".dayglass.lock").st_mode & 07777, 0600u);
    fs::permissions(programFolder / ".dayglass.lock", static_cast<fs::perms>(0644));
    EXPECT_EQ(write(programFolder / "Data.ini"), std::nullopt);
    EXPECT_EQ(statusOf(programFolder / ".dayglass.lock").st_mode & 07777, 0600u);
    ::umask(previousMask);
}

// A link is followed only where nobody else could have made it: the user's
// own link, in a folder of the user's that nobody else may write, to a file
// on the same file system. Shared, sticky and team folders, another user's
// link, and a stick that lends our user id to a link into the home are not.
TEST(SaveOwnershipTest, LinksAreFollowedOnlyWhereNoOtherUserCouldPlantThem) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting a link of another user needs root";
    struct Row {
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        const char *targetFileSystem;
        bool followed;
    };
    const Row rows[] = {
        {01777, 0, otherUser, "/tmp", false},
        {01777, 0, 0, "/tmp", false},
        {0777, 0, 0, "/tmp", false},
        {02775, 0, 0, "/tmp", false},
        {0755, otherUser, otherUser, "/tmp", false},
        {0755, 0, otherUser, "/tmp", false},
        {0755, 0, 0, "/dev/shm", false},
        {0755, 0, 0, "/tmp", true},
    };
    for (const Row &row : rows) {
        TemporaryFolder shared("/tmp");
        TemporaryFolder home(row.targetFileSystem);
        writeBytes(home / ".bashrc", "echo hello\n");
        fs::create_symlink(home / ".bashrc", shared / "Data.ini");
        ASSERT_EQ(::chmod(shared.path().c_str(), row.folderMode), 0);
        ASSERT_EQ(::chown(shared.path().c_str(), row.folderOwner, row.folderOwner), 0);
        ASSERT_EQ(::lchown((shared / "Data.ini").c_str(), row.linkOwner, row.linkOwner), 0);
        const WriteResult result = write(shared / "Data.ini");
        const std::string name = std::to_string(row.folderMode) + " " +
                                 std::to_string(row.linkOwner) + " " + row.targetFileSystem;
        EXPECT_EQ(!result, row.followed) << name;
        EXPECT_TRUE(row.followed || (result && result->problem == WriteProblem::UnsafeLink))
            << name;
        EXPECT_EQ(readBytes(home / ".bashrc"),
                  row.followed ? "echo hello\n[A]\r\nx=new\r\n" : "echo hello\n");
        EXPECT_TRUE(fs::is_symlink(shared / "Data.ini"));
    }
}

} // namespace
