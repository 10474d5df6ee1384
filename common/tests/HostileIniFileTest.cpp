#include "HostileInput.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A file as people hand it to us: edited, cut off, carried between systems.
struct HostileIni {
    const char *name;
    std::string (*content)();
    // A key the test reads, and what the read must give.
    const char *section;
    const char *key;
    std::string expected;
};

// The accessors here take files of up to a megabyte, so that files near the
// limit are made in a moment; how a file is read does not depend on the limit.
constexpr std::uintmax_t sizeLimit = oneMegabyte;
// Room below the limit for the keys that the write test adds.
constexpr std::size_t nearTheLimit = sizeLimit - 4096;

// Notes of about 90 bytes each, as a calendar kept for a very long time.
std::string calendarNearTheLimit() {
    std::string content;
    content.reserve(nearTheLimit + 100);
    for (int day = 0; content.size() < nearTheLimit - 100; ++day)
        content += "[Day" + std::to_string(day) + "]\r\nText=" + std::string(60, 'n') +
                   "#CR#\r\nCollar=255\r\n";
    return content + "[Last]\r\nText=found\r\n";
}

const HostileIni hostileFiles[] = {
    {"BinaryGarbage", [] { return binaryGarbage(64 << 10); }, "Start", "Year", ""},
    {"GarbageNearTheLimit", [] { return binaryGarbage(nearTheLimit); }, "Start", "Year", ""},
    {"EmptyLinesNearTheLimit", [] { return std::string(nearTheLimit, '\n'); }, "Start", "Year", ""},
    {"CalendarNearTheLimit", calendarNearTheLimit, "Last", "Text", "found"},
    {"OneLineNearTheLimit", [] { return "[A]\r\nText=" + std::string(nearTheLimit, 'x'); }, "A",
     "Text", std::string(999, 'x')},
    {"NulBytes", [] { return bytesOf("[A]\r\nText=ab\0cd\r\n\0\0\0\r\n[B\0]\r\nText=1\r\n"); }, "A",
     "Text", "ab"},
    {"InvalidShiftJis", [] { return std::string("[A]\r\nText=\x81\x20\xFF-\x82\r\n"); }, "A",
     "Text", "\uFFFD \uFFFD-\uFFFD"},
    // Read as Shift-JIS, as every file without a byte-order mark is.
    {"Utf8WithoutByteOrderMark", [] { return std::string("[A]\r\nText=ok 日本語\r\n"); }, "A",
     "Text", "ok 譌･譛ｬ隱\uFFFD"},
    // A file cut off between the CR and the LF of its last line.
    {"CutOffAfterCarriageReturn", [] { return std::string("[A]\r\nText=1\r"); }, "A", "Text", "1"},
    // A file without LF, as saved with the old Macintosh line ends, has its
    // lines end in CR alone.
    {"ClassicMacLineEnds", [] { return std::string("[A]\rText=1\rCollar=255\r"); }, "A", "Text",
     "1"},
    // Lines added by a Macintosh editor to a Windows file, after its last LF.
    {"MacLinesAfterWindowsLines", [] { return std::string("[A]\r\nText=1\rCollar=255"); }, "A",
     "Text", "1"},
};

// A row's file, planted in a folder of its own, and the accessor that reads it.
struct PlantedFile {
    explicit PlantedFile(const HostileIni &row) : row(row), content(row.content()) {
        writeBytes(path, content);
    }
    std::string read() const { return ini.GetDataStr(row.section, row.key); }

    const HostileIni &row;
    const std::string content;
    const TemporaryFolder folder;
    const fs::path path = folder / "Calendar.ini";
    cls_IniFile ini{path.string(), sizeLimit};
};

TEST(HostileIniFileTest, ReadsGiveTheDefinedValueAndChangeNothing) {
    for (const HostileIni &row : hostileFiles) {
        SCOPED_TRACE(row.name);
        PlantedFile file(row);
        const auto modified = fs::last_write_time(file.path);
        EXPECT_EQ(file.read(), row.expected);
        file.ini.GetDataInt(row.section, row.key);
        EXPECT_TRUE(readBytes(file.path) == file.content);
        EXPECT_EQ(fs::last_write_time(file.path), modified);
    }
}

TEST(HostileIniFileTest, WritesChangeOnlyTheirKey) {
    for (const HostileIni &row : hostileFiles) {
        SCOPED_TRACE(row.name);
        PlantedFile file(row);
        ASSERT_TRUE(file.ini.SetDataStr(row.section, "Probe", "new key"));
        const std::string withKey = readBytes(file.path);
        ASSERT_TRUE(file.ini.SetDataStr("Hostile", "Probe", "new section"));
        EXPECT_TRUE(readBytes(file.path).starts_with(withKey));
        EXPECT_EQ(file.read(), row.expected);
        EXPECT_EQ(file.ini.GetDataStr("Hostile", "Probe"), "new section");
        EXPECT_EQ(file.ini.GetDataStr(row.section, "Probe"), "new key");
    }
}

// Root may read and write any file, so only the missing write bits tell that
// the user protected it; a file nobody may read or write must stay as it is.
TEST(HostileIniFileTest, FileWithoutPermissionsIsNeverChanged) {
    TemporaryFolder folder;
    const fs::path path = folder / "Data.ini";
    writeBytes(path, "[A]\r\nx=1\r\n");
    fs::permissions(path, fs::perms::none);
    cls_IniFile ini(path.string());
    EXPECT_EQ(ini.GetDataStr("A", "x"), ::geteuid() == 0 ? "1" : "");
    EXPECT_FALSE(ini.SetDataStr("A", "x", "2"));
    EXPECT_FALSE(ini.SetDataStr("B", "y", "3"));
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(readBytes(path), "[A]\r\nx=1\r\n");
}

} // namespace
