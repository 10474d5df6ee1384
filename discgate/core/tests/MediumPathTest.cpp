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

// A path costs its length: each name is looked up once, in the folder opened
// before it, and the parts of a command line up to each of its blanks go on
// from the folder where the part before them ended.
TEST(MediumPathTest, EachNameOfADeepPathIsLookedUpOnce) {
    constexpr int depth = 100;
    TemporaryFolder medium;
    std::string folders;
    std::string command;
    for (int level = 0; level < depth; ++level) {
        folders += "a b/";
        command += "A B\\";
    }
    std::filesystem::create_directories(medium / folders);
    writeBytes(medium / (folders + "Setup.exe"), "");
    FolderListings listings;
    EXPECT_EQ(mediumFilePath(medium.path(), command + "setup.exe", listings),
              medium.path().string() + "/" + folders + "Setup.exe");
    // Each folder looked up as written and found in its listing.
    EXPECT_LE(listings.lookups(), 3u * depth + 4);
    const std::size_t before = listings.lookups();
    command += "setup.exe /s";
    std::size_t tries = 0;
    for (std::size_t blank = command.find(' '); blank != std::string::npos && tries < 32;
         blank = command.find(' ', blank + 1), ++tries)
        EXPECT_FALSE(existsOnMedium(medium.path(), command.substr(0, blank), listings));
    EXPECT_TRUE(existsOnMedium(medium.path(), command.substr(0, command.size() - 3), listings));
    EXPECT_LE(listings.lookups() - before, 3u * depth + 4 * tries + 4);
}

} // namespace
