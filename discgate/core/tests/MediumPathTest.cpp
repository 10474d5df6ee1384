#include "MediumPath.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(MediumPathTest, TranslatesWindowsNamesAndFindsThemInAnyLetterCase) {
    TemporaryFolder medium;
    std::filesystem::create_directories(medium / "Docs" / "Setup");
    writeBytes(medium / "Docs" / "Setup" / "Install.TXT", "");
    writeBytes(medium / "readme.txt", "");
    writeBytes(medium / "Twin.png", "");
    writeBytes(medium / "twin.PNG", "");
    const std::string folder = medium.path().string();
    const struct {
        std::string name;
        std::string path;
    } rows[] = {
        {"readme.txt", folder + "/readme.txt"},
        {"README.TXT", folder + "/readme.txt"},
        {"docs\\setup\\install.txt", folder + "/Docs/Setup/Install.TXT"},
        {"Docs/Setup/Install.TXT", folder + "/Docs/Setup/Install.TXT"},
        {"\\readme.txt", folder + "//readme.txt"}, // exists as written: kept
        {"docs\\\\SETUP\\install.txt", folder + "/Docs/Setup/Install.TXT"},
        {"TWIN.png", folder + "/Twin.png"},                  // first in byte order
        {"docs\\missing.txt", folder + "/docs/missing.txt"}, // nothing matches: as written
        {"", folder + "/"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(mediumFilePath(medium.path(), row.name), row.path) << row.name;
}

TEST(MediumPathTest, KeepsTheSeparatorOfARootFolder) {
    EXPECT_EQ(mediumFilePath("/", "no-such-file-here"), "//no-such-file-here");
}

} // namespace
