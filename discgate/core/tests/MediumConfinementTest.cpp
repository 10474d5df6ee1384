#include "LaunchTarget.h"
#include "MediumFile.h"
#include "MenuDescription.h"
#include "TemporaryFolder.h"

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A medium in "medium/" beside a folder "elsewhere/" that holds a program, as
// the rest of the system would.
class MediumConfinementTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_medium / "docs");
        fs::create_directories(m_outside);
        writeProgram(m_outside / "x.sh");
        writeProgram(m_medium / "setup.sh");
        writeBytes(m_medium / "docs" / "a.pdf", "%PDF-1.4\n");
    }

    static void writeProgram(const fs::path &path) {
        writeBytes(path, "#!/bin/sh\necho started\n");
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
    }

    // What a click on a launch button whose ExeFile is `value` does.
    LaunchDecision clickOn(const std::string &value) const {
        writeBytes(m_medium / "Autorun.inf",
                   "[BtmMax]\r\nNum=1\r\n[Btn1]\r\nDefaultBtn=b.png\r\nExeFile=" + value + "\r\n");
        const auto description = readLauncherDescription(m_medium);
        return decideLaunch(description->BtnList.at(1).strExeFile, m_medium);
    }

    TemporaryFolder m_folder;
    const fs::path m_medium = m_folder / "medium";
    const fs::path m_outside = m_folder / "elsewhere";
    const std::string m_setup = (m_medium / "setup.sh").string();
    const std::string m_pdf = (m_medium / "docs" / "a.pdf").string();
    const LaunchDecision m_offMedium = Failure{LaunchRefusal::OffMedium};
};

TEST_F(MediumConfinementTest, ParentFoldersCannotLeaveTheMedium) {
    EXPECT_EQ(clickOn("..\\elsewhere\\x.sh"), m_offMedium);
    EXPECT_EQ(clickOn("docs\\..\\..\\..\\..\\..\\bin\\sh"), m_offMedium);
    EXPECT_EQ(clickOn("docs\\..\\setup.sh"),
              LaunchDecision(LaunchAction{LaunchKind::RunProgram, m_setup}));
    EXPECT_FALSE(realPathOnMedium(m_medium / "../elsewhere/x.sh", m_medium));
    EXPECT_FALSE(realPathOnMedium(m_medium / "missing/../../elsewhere", m_medium));
}

TEST_F(MediumConfinementTest, LinksAreFollowedAndMustStayOnTheMedium) {
    fs::create_symlink(m_outside / "x.sh", m_medium / "start.sh");
    fs::create_directory_symlink(m_outside, m_medium / "tools");
    fs::create_symlink("docs/a.pdf", m_medium / "manual.pdf");
    EXPECT_EQ(clickOn("start.sh"), m_offMedium);
    EXPECT_EQ(clickOn("tools\\x.sh"), m_offMedium);
    // A link inside the medium opens what it points to.
    EXPECT_EQ(clickOn("manual.pdf"), LaunchDecision(LaunchAction{LaunchKind::OpenFile, m_pdf}));
    EXPECT_FALSE(realPathOnMedium(m_medium / "tools" / "x.sh", m_medium));
}

TEST_F(MediumConfinementTest, DrivePathsNameTheMediumItself) {
    const struct {
        std::string value;
        LaunchAction action;
    } rows[] = {
        {"D:\\setup.sh", {LaunchKind::RunProgram, m_setup}},
        {"q:/setup.sh", {LaunchKind::RunProgram, m_setup}},
        {"E:\\DOCS\\A.PDF", {LaunchKind::OpenFile, m_pdf}},
        {"E:docs\\a.pdf", {LaunchKind::OpenFile, m_pdf}},
        {"D:\\", {LaunchKind::OpenFile, m_medium.string()}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(clickOn(row.value), LaunchDecision(row.action)) << row.value;
    EXPECT_EQ(clickOn("D:\\..\\elsewhere\\x.sh"), m_offMedium);
}

TEST_F(MediumConfinementTest, FileAddressesArePathsOnTheMedium) {
    const struct {
        std::string value;
        LaunchDecision decision;
    } rows[] = {
        // Relative to the medium, whatever the current folder is.
        {"file:setup.sh", LaunchAction{LaunchKind::RunProgram, m_setup}},
        {"file:DOCS/A%2Epdf", LaunchAction{LaunchKind::OpenFile, m_pdf}},
        {"file:///D:/setup.sh", LaunchAction{LaunchKind::RunProgram, m_setup}},
        {"file://" + m_setup, LaunchAction{LaunchKind::RunProgram, m_setup}},
        {"FILE://localhost" + m_pdf, LaunchAction{LaunchKind::OpenFile, m_pdf}},
        {"file:///etc/passwd", m_offMedium},
        {"file:" + (m_outside / "x.sh").string(), m_offMedium},
        {"file:..%2F..%2Fx.sh", Failure{LaunchRefusal::AddressScheme}},
        {"file:../elsewhere/x.sh", m_offMedium},
    };
    for (const auto &row : rows)
        EXPECT_EQ(clickOn(row.value), row.decision) << row.value;
}

// A folder of the medium swapped again and again for a link that leads off
// it, while a file in it is read: every read gives the medium's file or
// nothing, never the file elsewhere.
TEST_F(MediumConfinementTest, AFolderSwappedForALinkNeverLeadsOffTheMedium) {
    writeBytes(m_medium / "docs" / "a.txt", "on the medium");
    writeBytes(m_outside / "a.txt", "elsewhere");
    fs::create_directory_symlink(m_outside, m_medium / "link");
    std::atomic<bool> done = false;
    std::thread swapper([&] {
        const fs::path docs = m_medium / "docs";
        const fs::path link = m_medium / "link";
        while (!done)
            ::renameat2(AT_FDCWD, docs.c_str(), AT_FDCWD, link.c_str(), RENAME_EXCHANGE);
    });
    int readOnTheMedium = 0;
    int readElsewhere = 0;
    for (int read = 0; read < 2000; ++read) {
        const auto content = readMediumFile(m_medium / "docs" / "a.txt", m_medium);
        if (content) {
            readOnTheMedium += *content == "on the medium";
            readElsewhere += *content == "elsewhere";
        }
    }
    done = true;
    swapper.join();
    EXPECT_EQ(readElsewhere, 0);
    EXPECT_GT(readOnTheMedium, 0);
}

// A pipe, like a device, is only looked at: it is never opened, so no writer
// can open it meanwhile, and opening a device could act on it.
TEST_F(MediumConfinementTest, NothingButRegularFilesIsOpened) {
    ASSERT_EQ(::mkfifo((m_medium / "pipe.png").c_str(), 0600), 0);
    const auto looked = openOnMedium(m_medium / "pipe.png", m_medium);
    ASSERT_TRUE(looked);
    EXPECT_TRUE(S_ISFIFO(looked->status.st_mode));
    const int writer = ::open((m_medium / "pipe.png").c_str(), O_WRONLY | O_NONBLOCK);
    EXPECT_EQ(writer, -1);
    EXPECT_EQ(errno, ENXIO);
    if (writer >= 0)
        ::close(writer);
}

// Only root can mount the medium; a medium mounted without permission to run
// programs refuses its programs and still opens its documents.
TEST_F(MediumConfinementTest, ProgramsOnANoexecMediumAreRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a noexec file system needs root";
    if (::mount("tmpfs", m_medium.c_str(), "tmpfs", MS_NOEXEC, "size=1m") != 0)
        GTEST_SKIP() << "this system does not let tests mount a tmpfs";
    SetUp();
    writeBytes(m_medium / "menu.desktop", "[Desktop Entry]\nExec=sh -c 'echo started'\n");
    writeBytes(m_medium / "readme.txt", "[Desktop Entry]\nExec=sh -c 'echo started'\n");
    // Windows programs, by name or by content, which the desktop's Wine runs
    // without an execute bit.
    writeBytes(m_medium / "SETUP.EXE", "?");
    writeBytes(m_medium / "install", "MZ\x90");
    const LaunchDecision refused = Failure{LaunchRefusal::ProgramOnNoexecMedium};
    for (const char *name : {"menu.desktop", "readme.txt", "SETUP.EXE", "install"})
        EXPECT_EQ(clickOn(name), refused) << name;
    EXPECT_EQ(clickOn("file://" + m_setup), refused);
    const LaunchDecision program = clickOn("setup.sh");
    const LaunchDecision document = clickOn("docs\\a.pdf");
    // A medium that stays busy is a descriptor left open; it is detached so
    // that no mount outlives the test.
    const bool unmounted = ::umount(m_medium.c_str()) == 0;
    if (!unmounted)
        ::umount2(m_medium.c_str(), MNT_DETACH);
    EXPECT_TRUE(unmounted) << std::strerror(errno);
    EXPECT_EQ(program, LaunchDecision(Failure{LaunchRefusal::ProgramOnNoexecMedium}));
    EXPECT_EQ(document, LaunchDecision(LaunchAction{LaunchKind::OpenFile, m_pdf}));
}

} // namespace
