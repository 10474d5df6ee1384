#include "DataFile.h"

#include "ShownPageWatch.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

LocalSeconds at(int y, unsigned m, unsigned d, int hh = 0, int mm = 0, int ss = 0) {
    return local_days{year{y} / m / d} + hours{hh} + minutes{mm} + seconds{ss};
}

DateTimeTexts texts(std::string y, std::string mo, std::string d, std::string h = "0",
                    std::string mi = "0", std::string s = "0") {
    return {std::move(y), std::move(mo), std::move(d), std::move(h), std::move(mi), std::move(s)};
}

class DataFileTest : public testing::Test {
protected:
    TemporaryFolder m_folder;
};

TEST_F(DataFileTest, ConvertsTheSixTexts) {
    const std::pair<DateTimeTexts, std::optional<LocalSeconds>> rows[] = {
        {texts("2006", "03", "05", "09", "00", "00"), at(2006, 3, 5, 9)},
        {texts("2006", "3", "5", "9", "0", "0"), at(2006, 3, 5, 9)},
        {texts("2006", "12", "31", "23", "59", "59"), at(2006, 12, 31, 23, 59, 59)},
        {texts("2006", "2", "30"), at(2006, 3, 2)}, // the dialog accepts day 30 in February
        {texts("2008", "2", "30"), at(2008, 3, 1)}, // leap year
        {texts("2006", "4", "31"), at(2006, 5, 1)}, // hand-edited
        {texts("6", "1", "1"), at(6, 1, 1)},        // short years are literal
        {texts("06", "1", "1"), at(6, 1, 1)},
        {texts("", "1", "1"), std::nullopt},
        {texts("2006", "", "1"), std::nullopt},
        {texts("2006", "x", "1"), std::nullopt},
        {texts("2006", "-1", "1"), std::nullopt},
        {texts("2006", "13", "1"), std::nullopt},
        {texts("2006", "0", "1"), std::nullopt},
        {texts("2006", "1", "0"), std::nullopt},
        {texts("2006", "1", "32"), std::nullopt},
        {texts("2006", "1", "1", "24"), std::nullopt},
        {texts("2006", "1", "1", "0", "60"), std::nullopt},
        {texts("2006", "1", "1", "0", "0", "60"), std::nullopt},
        {texts("10000", "1", "1"), std::nullopt},
        {texts("2006", "1", "1", "12345678901234567890"), std::nullopt},
        // The period dialog accepts zero-padded fields of any length, so the
        // count-down must read them too.
        {texts("2006", "0000000001", "1"), at(2006, 1, 1)},
        // Numbers as the period dialog reads them, rounded as the platform
        // rounds: halves to the even neighbour.
        {texts(" +2006 ", "+3", " 5 "), at(2006, 3, 5)},
        {texts("2006", "3", "2.5", "9.49", ".6"), at(2006, 3, 2, 9, 1)},
        {texts("2006", "3", "3.5"), at(2006, 3, 4)},
        {texts("2006", "1e1", "1"), std::nullopt},
        {texts("2006", "3.", "1"), at(2006, 3, 1)},
        {texts("2006", ".", "1"), std::nullopt},
        {texts("2006", "- 3", "1"), std::nullopt},
    };
    for (const auto &[input, expected] : rows)
        EXPECT_EQ(dateTimeFrom(input), expected)
            << input.year << "/" << input.month << "/" << input.day << " " << input.hour << ":"
            << input.minute << ":" << input.second;
}

TEST_F(DataFileTest, CaptionsShowTheStoredYearAndTwoDigitMonthAndDay) {
    const std::pair<DateTimeTexts, std::string> rows[] = {
        {texts("2006", "3", "15"), "2006/03/15"},
        {texts("2006", "03", "7"), "2006/03/07"},
        {texts("2006", "12", "12"), "2006/12/12"},
        {texts("6", "1", "1"), "6/01/01"},
        {texts("", "1", "1"), ""},
    };
    for (const auto &[side, caption] : rows) {
        ASSERT_TRUE(writePeriodTexts(m_folder.path(), {side, side}));
        EXPECT_EQ(readPeriod(m_folder.path()).endCaption, caption) << side.year;
    }
}

TEST_F(DataFileTest, ReadsThePeriodAndItsCaptions) {
    ASSERT_TRUE(writePeriodTexts(m_folder.path(), {texts("2006", "3", "15", "8", "30", "0"),
                                                   texts("2007", "03", "01", "17", "00", "00")}));
    const LoadedPeriod loaded = readPeriod(m_folder.path());
    EXPECT_EQ(loaded.period, (Period{at(2006, 3, 15, 8, 30), at(2007, 3, 1, 17)}));
    EXPECT_EQ(loaded.startCaption, "2006/03/15");
    EXPECT_EQ(loaded.endCaption, "2007/03/01");
    EXPECT_EQ(readPeriod(m_folder.path()), loaded);
}

TEST_F(DataFileTest, UnusablePeriodsLoadWithoutAPeriod) {
    EXPECT_EQ(readPeriod(m_folder.path()), LoadedPeriod{});

    ASSERT_TRUE(writePeriodTexts(m_folder.path(), {texts("2006", "3", "15"), {}}));
    const LoadedPeriod startOnly = readPeriod(m_folder.path());
    EXPECT_FALSE(startOnly.period);
    EXPECT_EQ(startOnly.startCaption, "2006/03/15");
    EXPECT_EQ(startOnly.endCaption, "");

    ASSERT_TRUE(
        writePeriodTexts(m_folder.path(), {texts("2006", "3", "15"), texts("2007", "abc", "1")}));
    EXPECT_FALSE(readPeriod(m_folder.path()).period);
}

TEST_F(DataFileTest, WritesTheTwelveTextsAsTyped) {
    ASSERT_TRUE(writePeriodTexts(m_folder.path(), {texts("2006", "3", "05", "9", "0", "00"),
                                                   texts("7", "12", "30", "23", "59", "59")}));
    EXPECT_EQ(readBytes(m_folder / "Data.ini"),
              "[Start]\r\nYear=2006\r\nMonth=3\r\nDay=05\r\nHour=9\r\nMinute=0\r\nSecond=00\r\n"
              "[End]\r\nYear=7\r\nMonth=12\r\nDay=30\r\nHour=23\r\nMinute=59\r\nSecond=59\r\n");
    EXPECT_EQ(readPeriodTexts(m_folder.path()).start.day, "05");
}

// The focus step asks at every tick; an unchanged file is not read again, but
// a replaced one is, and so is one written so recently that a change under the
// same timestamp could still follow.
TEST_F(DataFileTest, ShownPageIsReadAgainOnlyWhenTheFileMayHaveChanged) {
    const std::filesystem::path file = m_folder / "Data.ini";
    ASSERT_TRUE(writeShownPage(m_folder.path(), 1));
    std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() - 10s);
    ShownPageWatch watch(m_folder.path());
    EXPECT_EQ(*watch.read(), 1);
    EXPECT_EQ(*watch.read(), 1);
    EXPECT_EQ(watch.fileReads(), 1);

    ASSERT_TRUE(writeShownPage(m_folder.path(), 0));
    EXPECT_EQ(*watch.read(), 0);
    EXPECT_EQ(*watch.read(), 0);
    EXPECT_EQ(watch.fileReads(), 3);

    std::filesystem::remove(file);
    EXPECT_EQ(*watch.read(), 0);
}

// The options share one section: each write keeps the others, the tray is on
// for a stored 1 alone, and a lead other than the menu's is none.
TEST_F(DataFileTest, OptionsKeepEachOtherAndOnlyTheMenusChoicesCount) {
    EXPECT_EQ(readTimerOptions(m_folder.path()), TimerOptions{});
    ASSERT_TRUE(writeHolidayDisplay(m_folder.path(), HolidayDisplay::Shown));
    ASSERT_TRUE(writeTrayChoice(m_folder.path(), TrayChoice::On));
    ASSERT_TRUE(writeWarningLead(m_folder.path(), 15min));
    EXPECT_EQ(readTimerOptions(m_folder.path()), (TimerOptions{TrayChoice::On, 15min}));
    EXPECT_EQ(readHolidayDisplay(m_folder.path()), HolidayDisplay::Shown);
    EXPECT_EQ(readBytes(m_folder / "Data.ini"),
              "[Options]\r\nHolidays=1\r\nTray=1\r\nWarnBefore=15\r\n");

    for (const char *stored : {"2", "-1", "7", "abc"}) {
        std::ofstream(m_folder / "Data.ini", std::ios::binary | std::ios::trunc)
            << "[Options]\r\nTray=" << stored << "\r\nWarnBefore=" << stored << "\r\n";
        EXPECT_EQ(readTimerOptions(m_folder.path()), TimerOptions{}) << stored;
    }
}

} // namespace
