#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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
    return cls_IniFile(path.string()).SetDataStr("A", "x", "new");
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
    EXPECT_TRUE(write(path));
    const struct stat status = statusOf(path);
    EXPECT_EQ(status.st_uid, otherUser);
    EXPECT_EQ(status.st_gid, otherGroup);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// An access control list as "setfacl -m u:12345:rw" leaves it on a file of
// mode 0640, which it makes 0660: the list's version, then each entry's permissions and tag in
// one word (little-endian, as the kernel keeps them) and its id.
std::string accessListForAnotherUser() {
    const std::uint32_t words[] = {2,   0x60001, ~0u, 0x60002, otherUser, 0x40004,
                                   ~0u, 0x60010, ~0u, 0x00020, ~0u};
    return {reinterpret_cast<const char *>(words), sizeof words};
}

std::optional<std::string> attribute(const fs::path &path, const char *name) {
    std::string value(4096, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    if (size < 0)
        return std::nullopt;
    value.resize(static_cast<std::size_t>(size));
    return value;
}

// A save keeps what the file carries besides its bytes: the desktop's tags,
// the access control list and the mode, replaced by a new file or, with a
// second name, written in place so that both names keep one file. A new file
// that takes the folder's default list in its making loses it again when the
// old file had none.
TEST(SaveOwnershipTest, SavedFileKeepsItsAttributesAccessListAndNames) {
    constexpr auto acl = "system.posix_acl_access";
    struct Row {
        bool secondName;
        bool folderDefaultList;
    };
    for (const Row row : {Row{false, false}, Row{true, false}, Row{false, true}}) {
        TemporaryFolder folder;
        const fs::path path = folder / "Data.ini";
        writeBytes(path, "[A]\r\nx=old\r\n");
        ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
        if (::setxattr(path.c_str(), "user.xdg.tags", "work", 4, 0) != 0)
            GTEST_SKIP() << "the temporary folder's file system keeps no extended attributes";
        const std::string list = accessListForAnotherUser();
        if (row.folderDefaultList)
            ASSERT_EQ(::setxattr(folder.path().c_str(), "system.posix_acl_default", list.data(),
                                 list.size(), 0),
                      0);
        else
            ASSERT_EQ(::setxattr(path.c_str(), acl, list.data(), list.size(), 0), 0);
        if (row.secondName)
            fs::create_hard_link(path, folder / "Second.ini");
        // The list's mask is now the mode's group bits.
        const mode_t mode = statusOf(path).st_mode & 07777;

        EXPECT_TRUE(write(path));
        EXPECT_EQ(readBytes(path), "[A]\r\nx=new\r\n");
        EXPECT_EQ(attribute(path, "user.xdg.tags"), "work");
        EXPECT_EQ(attribute(path, acl), row.folderDefaultList ? std::nullopt : std::optional(list));
        EXPECT_EQ(statusOf(path).st_mode & 07777, mode);
        EXPECT_EQ(statusOf(path).st_nlink, row.secondName ? 2u : 1u);
        if (row.secondName) {
            EXPECT_EQ(statusOf(folder / "Second.ini").st_ino, statusOf(path).st_ino);
        }
    }
}

// The user's own settings folder is private; a file beside the program gets
// the umask as any file the user makes.
TEST(SaveOwnershipTest, NewFilesArePrivateOnlyInAPrivateFolder) {
    TemporaryFolder folder;
    const mode_t previousMask = ::umask(022);
    const fs::path userFolder = folder / "config" / "dayglass";
    EXPECT_TRUE(write(userFolder / "Data.ini"));
    EXPECT_EQ(statusOf(folder / "config").st_mode & 07777, 0700u);
    EXPECT_EQ(statusOf(userFolder).st_mode & 07777, 0700u);
    EXPECT_EQ(statusOf(userFolder / "Data.ini").st_mode & 07777, 0600u);
    EXPECT_EQ(statusOf(userFolder / ".dayglass.lock").st_mode & 07777, 0600u);

    const fs::path programFolder = folder / "program";
    fs::create_directory(programFolder);
    fs::permissions(programFolder, static_cast<fs::perms>(0755));
    EXPECT_TRUE(write(programFolder / "Data.ini"));
    EXPECT_EQ(statusOf(programFolder / "Data.ini").st_mode & 07777, 0644u);
    // The lock is the user's alone wherever it lies, also one made before.
    EXPECT_EQ(statusOf(programFolder / ".dayglass.lock").st_mode & 07777, 0600u);
    fs::permissions(programFolder / ".dayglass.lock", static_cast<fs::perms>(0644));
    EXPECT_TRUE(write(programFolder / "Data.ini"));
    EXPECT_EQ(statusOf(programFolder / ".dayglass.lock").st_mode & 07777, 0600u);
    ::umask(previousMask);
}

// A link is followed only where nobody else could have made it: the user's
// own link, in a folder of the user's that nobody else may write (root's
// private group, named as root, may; "users", which lists no member and is no
// listed account's primary group, may not: accounts of a directory service are
// never listed, and have it as theirs). On the home
// folder's file system it leads anywhere, elsewhere only within its own file
// system. Shared, sticky and team folders, another user's link, and a stick
// that lends our user id to a link into the home are refused; a write through
// them that would change nothing is no failure.
TEST(SaveOwnershipTest, LinksAreFollowedOnlyWhereNoOtherUserCouldPlantThem) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting a link of another user needs root";
    constexpr gid_t nogroup = 65534;
    const struct group *users = ::getgrnam("users");
    const gid_t usersGroup = users ? users->gr_gid : nogroup;
    constexpr auto followed = std::nullopt;
    constexpr auto offItsFileSystem = WriteProblem::LinkOffItsFileSystem;
    struct Row {
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        const char *targetFileSystem;
        std::optional<WriteProblem> refusal;
        gid_t folderGroup = 0;
        const char *linkFileSystem = "/tmp";
    };
    const Row rows[] = {
        {01777, 0, otherUser, "/tmp", WriteProblem::UnsafeLink},
        {01777, 0, 0, "/tmp", WriteProblem::UnsafeLink},
        {0777, 0, 0, "/tmp", WriteProblem::UnsafeLink},
        {02775, 0, 0, "/tmp", WriteProblem::UnsafeLink, nogroup},
        {02775, 0, 0, "/tmp", WriteProblem::UnsafeLink, usersGroup},
        {02775, 0, 0, "/tmp", followed},
        {0755, otherUser, otherUser, "/tmp", WriteProblem::UnsafeLink, otherUser},
        {0755, 0, otherUser, "/tmp", WriteProblem::UnsafeLink},
        {0755, 0, 0, "/tmp", offItsFileSystem, 0, "/dev/shm"},
        {0755, 0, 0, "/dev/shm", followed, 0, "/dev/shm"},
        {0755, 0, 0, "/dev/shm", followed},
        {0755, 0, 0, "/tmp", followed},
    };
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/tmp", 1);
    for (const Row &row : rows) {
        TemporaryFolder shared(row.linkFileSystem);
        TemporaryFolder home(row.targetFileSystem);
        writeBytes(home / ".bashrc", "echo hello\n");
        fs::create_symlink(home / ".bashrc", shared / "Data.ini");
        ASSERT_EQ(::chmod(shared.path().c_str(), row.folderMode), 0);
        ASSERT_EQ(::chown(shared.path().c_str(), row.folderOwner, row.folderGroup), 0);
        ASSERT_EQ(::lchown((shared / "Data.ini").c_str(), row.linkOwner, row.linkOwner), 0);
        const WriteResult result = write(shared / "Data.ini");
        const auto name = &row - rows;
        EXPECT_EQ(result ? std::nullopt : std::optional(result.error().problem), row.refusal)
            << name;
        EXPECT_EQ(readBytes(home / ".bashrc"),
                  row.refusal ? "echo hello\n" : "echo hello\n[A]\r\nx=new\r\n");
        EXPECT_TRUE(fs::is_symlink(shared / "Data.ini"));
        writeBytes(home / ".bashrc", "[A]\r\nx=new\r\n");
        EXPECT_TRUE(write(shared / "Data.ini")) << name;
    }
    ::setenv("HOME", savedHome.c_str(), 1);
}

} // namespace
