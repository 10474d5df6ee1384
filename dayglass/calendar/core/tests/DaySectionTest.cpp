#include "DaySection.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

TEST(DaySectionTest, WeekdayMarksRunFromSundayToSaturday) {
    // 6 March 2005 was a Sunday.
    const char *const marks[] = {"(日)", "(月)", "(火)", "(水)", "(木)", "(金)", "(土)"};
    for (unsigned offset = 0; offset < 7; ++offset) {
        const weekday day{local_days{2005y / March / 6} + days{offset}};
        EXPECT_EQ(WeekdayMark(day), marks[offset]) << offset;
    }
}

// Early years keep four digits, as the names in Calendar.ini do.
TEST(DaySectionTest, NamesAreBuiltFromTheDate) {
    const std::pair<year_month_day, const char *> rows[] = {
        {2005y / March / 7, "2005/03/07(月)"},     {2005y / October / 14, "2005/10/14(金)"},
        {2005y / December / 31, "2005/12/31(土)"}, {2008y / February / 29, "2008/02/29(金)"},
        {year{5} / January / 1, "0005/01/01(土)"}, {year{1} / January / 1, "0001/01/01(月)"},
        {year{999} / May / 5, "0999/05/05(日)"},   {9999y / December / 31, "9999/12/31(金)"},
    };
    for (const auto &[date, expected] : rows)
        EXPECT_EQ(daySectionName(date), expected) << expected;
}

} // namespace
