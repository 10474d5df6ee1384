#include "ProgramFolder.h"

#include "AccessList.h"
#include "TemporaryFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(ProgramFolderTest, WritableProgramFolderKeepsTheFiles) {
    TemporaryFolder folder;
    EXPECT_EQ(dataFolderFor(folder.path(), "/home/someone/.config"), folder.path());
}

TEST(ProgramFolderTest, UnwritableProgramFolderUsesTheUserConfiguration) {
    EXPECT_EQ(dataFolderFor("/nonexistent/bin", "/home/someone/.config"),
              fs::path("/home/someone/.config/dayglass"));
}

// Even for root, who may write anywhere, a program folder without write bits
// is the user's sign that it must stay as it is: the files are kept in the
// user's configuration, and those beside the program are read until the user
// has saved one, unless another user may write the folder.
TEST(ProgramFolderTest, ReadOnlyProgramFolderGivesItsFilesToRead) {
    struct Row {
        mode_t mode;
        bool givesItsFiles;
    };
    for (const Row row : {Row{0555, true}, Row{0500, true}, Row{0557, false}}) {
        TemporaryFolder folder;
        writeBytes(folder / "Data.ini", "[EntSS]\r\nInf= 1\r\n");
        fs::permissions(folder.path(), static_cast<fs::perms>(row.mode));
        const DataFolder found = dataFolderFor(folder.path(), "/home/someone/.config");
        EXPECT_EQ(found.path, fs::path("/home/someone/.config/dayglass")) << row.mode;
        EXPECT_EQ(found.originals, row.givesItsFiles ? folder.path() : fs::path()) << row.mode;
        EXPECT_EQ(found.readsOriginalsAlone({"Data.ini", "Calendar.ini"}), row.givesItsFiles);
    }
    TemporaryFolder originals;
    TemporaryFolder user;
    writeBytes(originals / "Data.ini", "");
    writeBytes(user / "Calendar.ini", "");
    EXPECT_FALSE(DataFolder(user.path(), originals.path())
                     .readsOriginalsAlone({"Data.ini", "Calendar.ini"}));
}

// Installed with the system, the program keeps its files per user, even when
// root starts it.
TEST(ProgramFolderTest, SystemProgramFolderUsesTheUserConfiguration) {
    for (const char *folder : {"/usr/bin", "/usr/local/bin", "/usr/bin/../lib/dayglass/"})
        EXPECT_EQ(dataFolderFor(folder, "/root/.config"), fs::path("/root/.config/dayglass"))
            << folder;
}

// Without a home the temporary folder, where other users may put files, is
// never used: the program folder when it is writable, otherwise none.
TEST(ProgramFolderTest, WithoutAHomeThereIsNoUserFolder) {
    TemporaryFolder folder;
    EXPECT_EQ(dataFolderFor(folder.path(), std::nullopt), folder.path());
    EXPECT_EQ(dataFolderFor("/usr/bin", std::nullopt), fs::path());
    EXPECT_EQ(dataFolderFor("relative/bin", std::nullopt), fs::path());
}

// A folder that someone else made, or may write, could hold their files or
// links: the program folder is then left for the user's own, which the user
// is told, and the user's own is not used when another user made it. The
// group of root alone, as the group of a user's own name, may write the
// program folder; nogroup, the primary group of other accounts, may not, nor
// another user that its access control list names.
TEST(ProgramFolderTest, FoldersOthersCouldWriteAreNotUsed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    constexpr uid_t otherUser = 12345;
    constexpr gid_t rootAlone = 0;
    constexpr gid_t nogroup = 65534;
    struct Row {
        mode_t programMode;
        uid_t programOwner;
        gid_t programGroup;
        uid_t userFolderOwner;
        bool keptBesideTheProgram;
        bool userFolderUsed;
    };
    const Row rows[] = {
        {0755, 0, nogroup, 0, true, true},
        {0777, 0, rootAlone, 0, false, true},
        {02775, 0, nogroup, 0, false, true},
        {02775, 0, rootAlone, 0, true, true},
        {0775, otherUser, rootAlone, 0, false, true},
        {0777, 0, rootAlone, otherUser, false, false},
    };
    for (const Row &row : rows) {
        TemporaryFolder program;
        TemporaryFolder config;
        fs::create_directory(config / "dayglass");
        ASSERT_EQ(::chmod(program.path().c_str(), row.programMode), 0);
        ASSERT_EQ(::chown(program.path().c_str(), row.programOwner, row.programGroup), 0);
        ASSERT_EQ(::chown((config / "dayglass").c_str(), row.userFolderOwner, 0), 0);
        const fs::path expected = row.keptBesideTheProgram ? program.path()
                                  : row.userFolderUsed     ? config / "dayglass"
                                                           : fs::path();
        EXPECT_EQ(dataFolderFor(program.path(), config.path()), expected) << &row - rows;
        EXPECT_EQ(othersMayWriteTheProgramFolder(program.path()), !row.keptBesideTheProgram)
            << &row - rows;
    }
    TemporaryFolder listed;
    ASSERT_TRUE(letAnotherUserWrite(listed.path(), otherUser));
    EXPECT_TRUE(othersMayWriteTheProgramFolder(listed.path()));
}

TEST(ProgramFolderTest, ConfigHomeComesOnlyFromAbsolutePaths) {
    struct Row {
        const char *xdg;
        const char *home;
        std::optional<fs::path> expected;
    };
    const Row rows[] = {
        {"/x/config", "/home/u", fs::path("/x/config")},
        {"", "/home/u", fs::path("/home/u/.config")},
        {"relative", "/home/u", fs::path("/home/u/.config")},
        {nullptr, "/home/u", fs::path("/home/u/.config")},
        {nullptr, "", std::nullopt},
        {nullptr, "home", std::nullopt},
        {nullptr, nullptr, std::nullopt},
    };
    const std::string savedXdg =
        std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const Row &row : rows) {
        row.xdg ? ::setenv("XDG_CONFIG_HOME", row.xdg, 1) : ::unsetenv("XDG_CONFIG_HOME");
        row.home ? ::setenv("HOME", row.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(userConfigHome(), row.expected)
            << (row.xdg ? row.xdg : "-") << " " << (row.home ? row.home : "-");
    }
    savedXdg.empty() ? ::unsetenv("XDG_CONFIG_HOME")
                     : ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    ::setenv("HOME", savedHome.c_str(), 1);
}

TEST(ProgramFolderTest, UserFolderIsMadePrivateButTheProgramFolderIsLeftAlone) {
    TemporaryFolder folder;
    const fs::path user = folder / "dayglass";
    const fs::path program = folder / "program";
    for (const fs::path &made : {user, program}) {
        fs::create_directory(made);
        fs::permissions(made, static_cast<fs::perms>(0755));
    }
    keepDataFolderPrivate(user, program);
    keepDataFolderPrivate(program, program);
    EXPECT_EQ(fs::status(user).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(program).permissions(), static_cast<fs::perms>(0755));
}
