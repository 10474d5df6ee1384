#include "LaunchTarget.h"

#include "FileAddress.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

LaunchDecision decision(const std::string &target, const fs::path &root = "/") {
    return decideLaunch(target, root);
}

TEST(LaunchTargetTest, OnlyAddressesThatMenusLinkToGoToTheDesktopUnchanged) {
    const LaunchDecision scheme = Failure{LaunchRefusal::AddressScheme};
    const LaunchDecision attachment = Failure{LaunchRefusal::MailAttachment};
    const struct {
        std::string address;
        std::optional<LaunchDecision> decision;
    } rows[] = {
        {"https://example.com/a b", std::nullopt},
        {"HTTP://EXAMPLE.COM/", std::nullopt},
        {"ftp:x", std::nullopt},
        {"mailto:info@example.com", std::nullopt},
        {"mailto:info@example.com?subject=attachment&body=attach%20it", std::nullopt},
        {"ms-settings:display", scheme},
        {"svn+ssh://host/repo", scheme},
        {"smb://host/share/setup.exe", scheme},
        {"javascript:alert(1)", scheme},
        // Local file addresses have become paths by now; these name none.
        {"file://host/share/setup.exe", scheme},
        {"file:///setup.exe?x", scheme},
        {"mailto:a@example.com?attach=/etc/passwd", attachment},
        {"mailto:a@example.com?subject=Hi&ATTACHMENT=file:///etc/passwd", attachment},
        {"mailto:a@example.com?subject=Hi; attach =~/.ssh/id_rsa", attachment},
        {"mailto:a@example.com?%61ttach=/etc/passwd", attachment},
        {"mailto:a@example.com?%2561ttach=/etc/passwd", attachment},
        {"mailto:a@example.com%3Fattach=/etc/passwd", attachment},
    };
    for (const auto &row : rows) {
        EXPECT_TRUE(isAddress(row.address)) << row.address;
        EXPECT_EQ(decision(row.address),
                  row.decision.value_or(LaunchAction{LaunchKind::OpenUrl, row.address}))
            << row.address;
    }
}

TEST(LaunchTargetTest, DriveLettersAndOtherColonsAreNoAddresses) {
    const std::string names[] = {"D:\\setup.exe", "a:b", "1ab:c", ":x", "docs\\a:b.txt", "ab c:d"};
    for (const std::string &name : names) {
        EXPECT_FALSE(isAddress(name)) << name;
        EXPECT_EQ(decision(name)->kind, LaunchKind::OpenFile) << name;
    }
}

TEST(LaunchTargetTest, RunsOnlyRealProgramsDirectly) {
    TemporaryFolder medium;
    const struct {
        std::string name;
        std::string content;
        bool executable;
        LaunchKind kind;
        FileFinding finding = FileFinding::Ordinary;
    } rows[] = {
        {"tool", "\177ELF\2\1", true, LaunchKind::RunProgram},
        {"start.sh", "#!/bin/sh\necho\n", true, LaunchKind::RunProgram},
        {"a b 'c' \"d\"; $(rm -rf x) `id`\nz", "#!/bin/sh\n", true, LaunchKind::RunProgram},
        {"readme.txt", "text that a FAT medium marks executable", true, LaunchKind::OpenFile},
        // Where programs may run, the desktop decides what a desktop entry or a
        // Windows program does.
        {"setup.exe", "MZ\x90", true, LaunchKind::OpenRunnableFile, FileFinding::WindowsProgram},
        {"install", "MZ\x90", false, LaunchKind::OpenRunnableFile, FileFinding::WindowsProgram},
        {"SETUP.BAT", "echo", false, LaunchKind::OpenRunnableFile, FileFinding::WindowsProgram},
        {"script.sh", "#!/bin/sh\n", false, LaunchKind::OpenFile},
        {"empty", "", true, LaunchKind::OpenFile},
        {"menu.desktop", "[Desktop Entry]\nExec=sh\n", true, LaunchKind::OpenRunnableFile},
    };
    for (const auto &row : rows) {
        const fs::path path = medium / row.name;
        writeBytes(path, row.content);
        if (row.executable)
            fs::permissions(path, fs::perms::owner_exec, fs::perm_options::add);
        EXPECT_EQ(decision(path.string(), medium.path()),
                  LaunchDecision(LaunchAction{row.kind, path.string(), row.finding}))
            << row.name;
    }
    // A pipe is looked at without waiting for a writer.
    ASSERT_EQ(::mkfifo((medium / "pipe").c_str(), 0700), 0);
    fs::create_directory(medium / "folder");
    for (const auto &[name, finding] : {std::pair{"pipe", FileFinding::Ordinary},
                                        {"folder", FileFinding::Ordinary},
                                        {"missing", FileFinding::Missing}})
        EXPECT_EQ(
            decision((medium / name).string(), medium.path()),
            LaunchDecision(LaunchAction{LaunchKind::OpenFile, (medium / name).string(), finding}))
            << name;
}

TEST(LaunchTargetTest, RelativeNamesBecomeAbsoluteSoThatNoSearchPathIsUsed) {
    EXPECT_EQ(
        decision("a:b", fs::current_path()),
        LaunchDecision(LaunchAction{LaunchKind::OpenFile, (fs::current_path() / "a:b").string(),
                                    FileFinding::Missing}));
}

} // namespace
