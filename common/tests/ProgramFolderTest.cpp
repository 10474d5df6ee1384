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
