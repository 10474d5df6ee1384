#include "ProgramFolder.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(ProgramFolder, WritableProgramFolderKeepsTheFiles) {
    TemporaryFolder folder;
    EXPECT_EQ(dataFolderFor(folder.path(), "/home/someone/.config"), folder.path());
}

TEST(ProgramFolder, UnwritableProgramFolderUsesTheUserConfiguration) {
    EXPECT_EQ(dataFolderFor("/nonexistent/bin", "/home/someone/.config"),
              fs::path("/home/someone/.config/dayglass"));
}

// Even for root, who may write anywhere, a program folder without write bits
// is the user's sign that it must stay as it is.
TEST(ProgramFolder, ReadOnlyProgramFolderUsesTheUserConfiguration) {
    TemporaryFolder folder;
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(dataFolderFor(folder.path(), "/home/someone/.config"),
              fs::path("/home/someone/.config/dayglass"));
}

// Installed with the system, the program keeps its files per user, even when
// root starts it.
TEST(ProgramFolder, SystemProgramFolderUsesTheUserConfiguration) {
    for (const char *folder : {"/usr/bin", "/usr/local/bin", "/usr/bin/../lib/dayglass/"})
        EXPECT_EQ(dataFolderFor(folder, "/root/.config"), fs::path("/root/.config/dayglass"))
            << folder;
}
