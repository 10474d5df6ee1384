#include "FolderLock.h"
#include "SmallFileSystem.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

const std::string oldContent = "[2005/10/14(\x8B\xE0)]\r\nText=old note\r\nCollar=255\r\n";
const std::string longNote(200 * 1024, 'n');

std::set<std::string> namesIn(const fs::path &folder) {
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A failed save must say why and leave the old file byte for byte, under each
// of its names, with no temporary file or journal beside it.
void expectFailureKeepsTheOldFile(const fs::path &folder, WriteProblem problem,
                                  std::errc systemError, const WriteResult &result,
                                  const std::set<std::string> &secondNames = {}) {
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().problem, problem);
    EXPECT_EQ(result.error().systemError, systemError);
    std::set<std::string> names{"Calendar.ini", folderLockName};
    for (const std::string &name : secondNames) {
        EXPECT_EQ(readBytes(folder / name), oldContent);
        names.insert(name);
    }
    EXPECT_EQ(readBytes(folder / "Calendar.ini"), oldContent);
    EXPECT_EQ(namesIn(folder), names);
}

WriteResult saveLongNote(const fs::path &folder) {
    return cls_IniFile((folder / "Calendar.ini").string())
        .SetDataStr("2005/10/14(金)", "Text", longNote);
}

TEST(WriteFailureTest, FullDiskAndReadOnlyFileSystemAreReported) {
    // A file system that root can fill or make read-only; a private folder,
    // where a file of two names is written in place.
    const SmallFileSystem disk("size=128k,mode=0700");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    // The note alone is larger than the whole file system.
    writeBytes(disk.path() / "Calendar.ini", oldContent);
    expectFailureKeepsTheOldFile(disk.path(), WriteProblem::DiskFull, std::errc::no_space_on_device,
                                 saveLongNote(disk.path()));
    // With a second name the note goes into the journal first, which fills the disk.
    fs::create_hard_link(disk.path() / "Calendar.ini", disk.path() / "Other.ini");
    expectFailureKeepsTheOldFile(disk.path(), WriteProblem::DiskFull, std::errc::no_space_on_device,
                                 saveLongNote(disk.path()), {"Other.ini"});

    ASSERT_EQ(::mount(nullptr, disk.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    expectFailureKeepsTheOldFile(disk.path(), WriteProblem::ReadOnly,
                                 std::errc::read_only_file_system, saveLongNote(disk.path()),
                                 {"Other.ini"});
}

TEST(WriteFailureTest, ReadOnlyFileIsReported) {
    TemporaryFolder folder;
    writeBytes(folder / "Calendar.ini", oldContent);
    fs::permissions(folder / "Calendar.ini", fs::perms::owner_read);
    expectFailureKeepsTheOldFile(folder.path(), WriteProblem::ReadOnly,
                                 std::errc::permission_denied, saveLongNote(folder.path()));
}

TEST(WriteFailureTest, LockHeldByAnotherProgramEndsInBusyAfterABoundedWait) {
    TemporaryFolder folder;
    writeBytes(folder / "Calendar.ini", oldContent);
    const int lock = ::open((folder / folderLockName).c_str(), O_RDONLY | O_CREAT, 0600);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const auto start = std::chrono::steady_clock::now();
    const WriteResult result = saveLongNote(folder.path());
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, folderLockPatience);
    expectFailureKeepsTheOldFile(folder.path(), WriteProblem::Busy,
                                 std::errc::operation_would_block, result);
    ::close(lock);
    EXPECT_TRUE(saveLongNote(folder.path()));
}

// A process with a file size limit gets EFBIG instead of being killed by
// SIGXFSZ, which the save leaves as the process set it; the child reports
// what the save said through its exit status.
TEST(WriteFailureTest, FileSizeLimitOfTheProcessIsReported) {
    TemporaryFolder folder;
    writeBytes(folder / "Calendar.ini", oldContent);
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const WriteResult result = saveLongNote(folder.path());
        struct sigaction after {};
        ::sigaction(SIGXFSZ, nullptr, &after);
        ::_exit(!result && result.error().problem == WriteProblem::TooLarge &&
                        result.error().systemError == std::errc::file_too_large &&
                        after.sa_handler == SIG_DFL
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(folder / "Calendar.ini"), oldContent);
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"Calendar.ini", folderLockName}));
}

// The bytes this process has read from files so far.
std::uintmax_t bytesRead() {
    std::ifstream io("/proc/self/io");
    std::string field;
    std::uintmax_t value = 0;
    while (io >> field >> value && field != "rchar:") {
    }
    return value;
}

// A sparse file of a terabyte takes no space, yet reading it whole would take
// all memory; Data.ini holds a dozen keys, so one far larger than any that
// dayglass writes comes from someone else. Such files read as missing without
// a byte of them being read, and are never rewritten.
TEST(WriteFailureTest, FileAboveTheSizeLimitIsNeitherReadNorWritten) {
    const struct {
        const char *name;
        std::uintmax_t limit;
        std::uintmax_t size;
    } rows[] = {
        {"sparse terabyte", FileStore::maximumFileSize, std::uintmax_t{1} << 40},
        {"just above a limit of 64 KB", 64 * 1024, 64 * 1024 + 1},
    };
    for (const auto &row : rows) {
        TemporaryFolder folder;
        const fs::path path = folder / "Calendar.ini";
        writeBytes(path, oldContent);
        fs::resize_file(path, row.size);
        const std::uintmax_t readBefore = bytesRead();
        cls_IniFile ini(path.string(), row.limit);
        EXPECT_EQ(ini.GetDataStr("2005/10/14(金)", "Text"), "") << row.name;
        EXPECT_TRUE(ini.IsTooLarge()) << row.name;
        const WriteResult result = ini.SetDataStr("2005/10/14(金)", "Text", "new");
        EXPECT_LT(bytesRead() - readBefore, 4096u) << row.name;
        ASSERT_FALSE(result) << row.name;
        EXPECT_EQ(result.error().problem, WriteProblem::Oversized) << row.name;
        EXPECT_EQ(fs::file_size(path), row.size) << row.name;
    }
    // Within the limit the same accessor reads and writes as ever.
    TemporaryFolder folder;
    writeBytes(folder / "Calendar.ini", oldContent);
    cls_IniFile small((folder / "Calendar.ini").string(), 64 * 1024);
    EXPECT_EQ(small.GetDataStr("2005/10/14(金)", "Text"), "old note");
    EXPECT_FALSE(small.IsTooLarge());
    EXPECT_TRUE(small.SetDataStr("2005/10/14(金)", "Text", "new"));
}

} // namespace
