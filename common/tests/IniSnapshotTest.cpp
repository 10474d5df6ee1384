#include "IniSnapshot.h"

#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

// Overwrites the file in place, keeping its inode and size, as an editor
// that rewrites a file (or a program on another machine) may do.
void overwriteInPlace(const std::filesystem::path &path, const std::string &bytes) {
    const int file = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::pwrite(file, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::close(file);
}

class IniSnapshotTest : public testing::Test {
protected:
    std::string read(const char *key) const {
        return iniFileAt((m_folder / "Data.ini").string()).GetDataStr("A", key);
    }
    TemporaryFolder m_folder;
};

TEST_F(IniSnapshotTest, EveryReadSeesTheLatestWrite) {
    cls_IniFile ini = iniFileAt((m_folder / "Data.ini").string());
    for (int i = 0; i < 50; ++i) {
        ini.SetDataStr("A", "x", std::to_string(i % 10));
        ASSERT_EQ(read("x"), std::to_string(i % 10));
    }
    std::filesystem::remove(m_folder / "Data.ini");
    EXPECT_EQ(read("x"), "");
}

TEST_F(IniSnapshotTest, ChangesInPlaceOfTheSameSizeAreSeen) {
    writeBytes(m_folder / "Data.ini", "[A]\r\nx=1\r\n");
    EXPECT_EQ(read("x"), "1");
    overwriteInPlace(m_folder / "Data.ini", "[A]\r\nx=2\r\n");
    EXPECT_EQ(read("x"), "2");
}

TEST_F(IniSnapshotTest, ChangesInPlaceToASettledFileAreSeen) {
    writeBytes(m_folder / "Data.ini", "[A]\r\nx=1\r\n");
    // Let the file's times fall well behind the read that caches it.
    std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    EXPECT_EQ(read("x"), "1");
    EXPECT_EQ(read("x"), "1");
    overwriteInPlace(m_folder / "Data.ini", "[A]\r\nx=3\r\n");
    EXPECT_EQ(read("x"), "3");
}

TEST_F(IniSnapshotTest, SnapshotsOfAnUnchangedFileAreShared) {
    writeBytes(m_folder / "Data.ini", "[A]\r\nx=1\r\n");
    const auto first = currentIniSnapshot((m_folder / "Data.ini").string());
    const auto second = currentIniSnapshot((m_folder / "Data.ini").string());
    EXPECT_EQ(first, second);
    EXPECT_EQ(currentIniSnapshot((m_folder / "missing.ini").string()), nullptr);
}

// Dates a file a day ahead, as a FAT medium written in another time zone or
// a clock set wrong leaves it.
void dateADayAhead(const std::filesystem::path &path) {
    timespec times[2] = {};
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec += 24 * 60 * 60;
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(IniSnapshotTest, ChangesInPlaceToAFileDatedAheadAreSeen) {
    writeBytes(m_folder / "Data.ini", "[A]\r\nx=1\r\n");
    dateADayAhead(m_folder / "Data.ini");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(read("x"), "1");
    EXPECT_EQ(read("x"), "1");
    overwriteInPlace(m_folder / "Data.ini", "[A]\r\nx=4\r\n");
    dateADayAhead(m_folder / "Data.ini");
    EXPECT_EQ(read("x"), "4");
}

TEST(IniSnapshotAge, SettlesOnlyWhenNoChangeCouldHideInTheSameStamp) {
    using namespace std::chrono_literals;
    using std::chrono::nanoseconds;
    constexpr nanoseconds now = 1'000'000s;
    constexpr nanoseconds resolution = 100ms;
    struct Row {
        const char *name;
        nanoseconds changed;
        nanoseconds confirmedAt;
        nanoseconds confirmedFor;
        bool byThisClock;
        bool settled;
    };
    const Row rows[] = {
        {"changed long before the confirmation", now - 1h, now - 1s, 0s, true, true},
        {"changed just before the confirmation", now - 150ms, now - 100ms, 0s, true, false},
        {"changed after the confirmation", now - 50ms, now - 100ms, 0s, true, false},
        {"stamped a day ahead by this clock", now + 24h, now - 1s, 0s, true, true},
        {"stamped a day ahead by another clock", now + 24h, now - 1s, 0s, false, false},
        {"stamp about to be reached", now + 50ms, now - 1s, 0s, true, false},
        {"stamp ahead, confirmed a while after the first read", now + 24h, now, 150ms, false, true},
        {"just changed, confirmed a while after the first read", now - 10ms, now, 150ms, true,
         true},
        {"just changed, confirmed at once", now - 10ms, now, 50ms, true, false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(isSettled({row.changed, row.confirmedAt, now, row.confirmedFor, resolution,
                             row.byThisClock}),
                  row.settled)
            << row.name;
}

} // namespace
