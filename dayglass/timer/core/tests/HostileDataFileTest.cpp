#include "DataFile.h"
#include "HostileInput.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string goodPeriod =
    "[Start]\r\nYear=2005\r\nMonth=10\r\nDay=10\r\nHour=0\r\nMinute=0\r\n"
    "Second=0\r\n[End]\r\nYear=2006\r\nMonth=3\r\nDay=31\r\nHour=23\r\n"
    "Minute=59\r\nSecond=59\r\n";

// A Data.ini as it may come back from another machine or a hand edit, and
// whether readPeriod finds a period in it. Without one the TIMER page shows
// no count-down; it never shows a wrong one.
struct HostileDataFile {
    const char *name;
    std::string (*content)();
    bool hasPeriod;
};

const HostileDataFile hostileFiles[] = {
    {"BinaryGarbage", [] { return binaryGarbage(64 << 10); }, false},
    {"FiftyMegabytesOfGarbage", [] { return binaryGarbage(fiftyMegabytes); }, false},
    {"YearOfThirtyKilobytes",
     [] { return goodPeriod + "[Start]\r\nYear=" + std::string(30 << 10, '9'); }, true},
    // Far larger than any Data.ini that dayglass writes: read as missing.
    {"YearOfOneMegabyte",
     [] { return goodPeriod + "[Start]\r\nYear=" + std::string(oneMegabyte, '9'); }, false},
    {"PeriodAfterAOneMegabyteLine",
     [] { return "[Start]\r\nYear=" + std::string(oneMegabyte, '9') + "\r\n" + goodPeriod; },
     false},
    {"NulBytes", [] { return bytesOf("\0\0\r\n") + goodPeriod + bytesOf("\0"); }, true},
    // The year reads as 20, cut at the NUL, and is taken literally.
    {"NulInsideAValue",
     [] {
         std::string content = goodPeriod;
         return content.insert(content.find("Year=2005") + 7, 1, '\0');
     },
     true},
    {"InvalidShiftJis", [] { return "[Start]\r\nYear=\x82\xFF\r\n" + goodPeriod; }, false},
    {"Utf8WithoutByteOrderMark", [] { return "; 期間の設定\r\n" + goodPeriod; }, true},
    {"MaximumInteger",
     [] { return "[Start]\r\nYear=2147483647\r\nMonth=2147483647\r\n" + goodPeriod; }, false},
    {"MinusFive", [] { return "[End]\r\nDay=-5\r\n" + goodPeriod; }, false},
};

TEST(HostileDataFileTest, LoadsAndChangesNothing) {
    for (const HostileDataFile &row : hostileFiles) {
        SCOPED_TRACE(row.name);
        const TemporaryFolder folder;
        const std::string content = row.content();
        writeBytes(folder / dataFileName, content);
        EXPECT_EQ(readPeriod(folder.path()).period.has_value(), row.hasPeriod);
        EXPECT_TRUE(readBytes(folder / dataFileName) == content);
    }
}

} // namespace
