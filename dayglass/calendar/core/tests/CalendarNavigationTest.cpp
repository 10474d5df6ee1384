#include "CalendarNavigation.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

LocalSeconds at(year_month_day date, hours hour = hours{0}) {
    return local_days{date} + hour;
}

TEST(CalendarNavigationTest, MonthsStepAcrossYearsWithinOneToNineThousandNineHundredNinetyNine) {
    const std::tuple<year_month, MonthStep, std::optional<year_month>> rows[] = {
        {2005y / December, MonthStep::Next, 2006y / January},
        {2006y / January, MonthStep::Previous, 2005y / December},
        {2005y / March, MonthStep::Previous, 2005y / February},
        {2005y / March, MonthStep::Next, 2005y / April},
        {year{1} / February, MonthStep::Previous, year{1} / January},
        {year{1} / January, MonthStep::Previous, std::nullopt},
        {9999y / November, MonthStep::Next, 9999y / December},
        {9999y / December, MonthStep::Next, std::nullopt},
    };
    for (const auto &[month, step, expected] : rows)
        EXPECT_EQ(steppedMonth(month, step), expected)
            << static_cast<int>(month.year()) << "/" << static_cast<unsigned>(month.month());
}

TEST(CalendarNavigationTest, TheClockGivesMonthAndDayWithinTheCalendarsYears) {
    const std::tuple<LocalSeconds, year_month, unsigned> rows[] = {
        {at(2005y / October / 14, hours{23}), 2005y / October, 14},
        {at(2005y / December / 31), 2005y / December, 31},
        {at(year{0} / June / 3), year{1} / January, 3},
        {at(year{10000} / June / 3), 9999y / December, 3},
    };
    for (const auto &[moment, month, day] : rows) {
        EXPECT_EQ(monthOf(moment), month);
        EXPECT_EQ(dayOf(moment), day);
    }
}

TEST(CalendarNavigationTest, TheLastDayIsFoundInEveryMonthShape) {
    const std::pair<year_month, int> rows[] = {
        {2005y / February, 30}, {2005y / October, 37},   {2005y / May, 31},
        {2009y / February, 28}, {2007y / September, 36}, {2005y / December, 35},
    };
    for (const auto &[month, lastCell] : rows) {
        const MonthGrid shown = layOutMonth(month);
        EXPECT_EQ(lastDayCell(shown), lastCell);
        EXPECT_TRUE(monthEndsAfterCell(shown, lastCell));
        EXPECT_FALSE(monthEndsAfterCell(shown, lastCell - 1));
    }
}

} // namespace
