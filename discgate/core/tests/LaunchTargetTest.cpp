#include "LaunchTarget.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

void makeExecutable(const fs::path &path) {
    fs::permissions(path, fs::perms::owner_exec, fs::perm_options::add);
}

LaunchDecision decision(const std::string &target, const fs::path &root = "/") {
    return decideLaunch(target, root);
}

TEST(LaunchTarget, AddressesGoToTheDesktopOpenerUnchanged) {
    const std::string addresses[] = {"https://example.com/a b", "mailto:info@example.com",
                                     "ms-settings:display", "ftp:x", "svn+ssh://host/repo"};
    for (const std::string &address : addresses) {
        EXPECT_TRUE(isAddress(address)) << address;
        EXPECT_EQ(decision(address), LaunchDecision(LaunchAction{LaunchKind::OpenUrl, address}));
    }
}

TEST(LaunchTarget, DriveLettersAndOtherColonsAreNoAddresses) {
    const std::string names[] = {"D:\\setup.exe", "a:b", "1ab:c", ":x", "docs\\a:b.txt", "ab c:d"};
    for (const std::string &name : names) {
        EXPECT_FALSE(isAddress(name)) << name;
        EXPECT_EQ(std::get<LaunchAction>(decision(name)).kind, LaunchKind::OpenFile) << name;
    }
}

TEST(LaunchTarget, RunsOnlyRealProgramsDirectly) {
    TemporaryFolder medium;
    const struct {
        std::string name;
        std::string content;
        bool executable;
        LaunchKind kind;
    } rows[] = {
        {"tool",
         "\x7F"
         "ELF\x02\x01",
         true, LaunchKind::RunProgram},
        {"start.sh", "#!/bin/sh\necho\n", true, LaunchKind::RunProgram},
        {"a b 'c' \"d\"; $(rm -rf x) `id`\nz", "#!/bin/sh\n", true, LaunchKind::RunProgram},
        {"readme.txt", "text that a FAT medium marks executable", true, LaunchKind::OpenFile},
        {"setup.exe", "MZ\x90", true, LaunchKind::OpenFile},
        {"script.sh", "#!/bin/sh\n", false, LaunchKind::OpenFile},
        {"empty", "", true, LaunchKind::OpenFile},
    };
    for (const auto &row : rows) {
        const fs::path path = medium / row.name;
        writeBytes(path, row.content);
        if (row.executable)
            makeExecutable(path);
        EXPECT_EQ(decision(path.string(), medium.path()),
                  LaunchDecision(LaunchAction{row.kind, path.string()}))
            << row.name;
    }
    fs::create_directory(medium / "folder");
    EXPECT_EQ(decision((medium / "folder").string(), medium.path()),
              LaunchDecision(LaunchAction{LaunchKind::OpenFile, (medium / "folder").string()}));
    EXPECT_EQ(decision((medium / "missing").string(), medium.path()),
              LaunchDecision(LaunchAction{LaunchKind::OpenFile, (medium / "missing").string()}));
}

TEST(LaunchTarget, RelativeNamesBecomeAbsoluteSoThatNoSearchPathIsUsed) {
    EXPECT_EQ(
        decision("a:b", fs::current_path()),
        LaunchDecision(LaunchAction{LaunchKind::OpenFile, (fs::current_path() / "a:b").string()}));
}

} // namespace
