#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Overwrites the file in place, keeping its inode and size, as an editor
// that rewrites a file (or a program on another machine) may do.
void overwriteInPlace(const fs::path &path, const std::string &bytes) {
    const int file = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::pwrite(file, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::close(file);
}

// Dates a file a day ahead, as a FAT medium written in another time zone or
// a clock set wrong leaves it.
void dateADayAhead(const fs::path &path) {
    timespec times[2] = {};
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec += 24 * 60 * 60;
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// The descriptors of this process that are open on `path`.
int descriptorsOpenOn(const fs::path &path) {
    int open = 0;
    for (const auto &entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        open += fs::read_symlink(entry.path(), error) == path;
    }
    return open;
}

class IniSnapshotTest : public testing::Test {
protected:
    // A handler's read: an accessor of its own.
    std::string read(const char *key) const {
        return cls_IniFile(m_path.string()).GetDataStr("A", key);
    }
    TemporaryFolder m_folder;
    const fs::path m_path = m_folder / "Data.ini";
};

// However the file changes between two handlers, the second sees the change.
TEST_F(IniSnapshotTest, EveryHandlerSeesTheFileAsItIsNow) {
    const struct {
        const char *change;
        void (*apply)(const fs::path &);
        std::string expected;
    } rows[] = {
        {"written by another accessor",
         [](const fs::path &path) {
             EXPECT_TRUE(cls_IniFile(path.string()).SetDataStr("A", "x", "2"));
         },
         "2"},
        {"changed in place, same size",
         [](const fs::path &path) { overwriteInPlace(path, "[A]\r\nx=3\r\n"); }, "3"},
        {"changed in place and dated ahead",
         [](const fs::path &path) {
             overwriteInPlace(path, "[A]\r\nx=4\r\n");
             dateADayAhead(path);
         },
         "4"},
        {"removed", [](const fs::path &path) { fs::remove(path); }, ""},
    };
    for (const auto &row : rows) {
        writeBytes(m_path, "[A]\r\nx=1\r\n");
        dateADayAhead(m_path);
        ASSERT_EQ(read("x"), "1") << row.change;
        row.apply(m_path);
        EXPECT_EQ(read("x"), row.expected) << row.change;
    }
}

// One accessor reads its file once and holds nothing open: the reads of a
// month redraw cost one read, and the medium can be unmounted meanwhile.
TEST_F(IniSnapshotTest, AnAccessorReadsItsFileOnceAndSeesItsOwnWrites) {
    writeBytes(m_path, "[A]\r\nx=1\r\ny=1\r\n");
    cls_IniFile ini(m_path.string());
    EXPECT_EQ(ini.GetDataStr("A", "x"), "1");
    EXPECT_EQ(descriptorsOpenOn(m_path), 0);
    overwriteInPlace(m_path, "[A]\r\nx=2\r\ny=2\r\n");
    EXPECT_EQ(ini.GetDataStr("A", "x"), "1");
    EXPECT_EQ(ini.GetDataInt("A", "y"), 1);

    EXPECT_TRUE(ini.SetDataStr("A", "z", "3"));
    EXPECT_EQ(ini.GetDataStr("A", "z"), "3");
    EXPECT_EQ(ini.GetDataStr("A", "x"), "2");
    EXPECT_EQ(descriptorsOpenOn(m_path), 0);
}

} // namespace
