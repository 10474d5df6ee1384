#include "HolidayRules.h"

#include "CabinetTable.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

TEST(HolidayRulesTest, GiveEveryDayOfTheCabinetTableFrom1955To2027AndNoOther) {
    std::vector<std::string> table = referenceLines();
    std::vector<std::string> computed =
        holidayLines(1955y / January / 1, 2027y / December / 31, holidayByLaw);
    EXPECT_EQ(table.size(), 1067u);
    EXPECT_EQ(computed.size(), table.size());
    std::ranges::sort(table);
    std::ranges::sort(computed);
    std::vector<std::string> inOneOnly;
    std::ranges::set_symmetric_difference(computed, table, std::back_inserter(inOneOnly));
    EXPECT_EQ(inOneOnly, std::vector<std::string>{});
}

TEST(HolidayRulesTest, GiveTheYearsBeforeAndAfterTheTable) {
    const std::pair<year_month_day, std::optional<std::string_view>> days[] = {
        // The law came into force on 20 July 1948.
        {1948y / May / 5, std::nullopt},
        {1948y / September / 23, "秋分の日"},
        {1951y / September / 24, "秋分の日"},
        // Equinoxes as the National Astronomical Observatory foretells them.
        {2028y / March / 20, "春分の日"},
        {2028y / September / 22, "秋分の日"},
        {2092y / March / 19, "春分の日"},
        // The rest day of a Sunday holiday is the first day after it that is
        // no holiday.
        {2030y / August / 12, "休日"},
        {2031y / February / 24, "休日"},
        {2037y / May / 6, "休日"},
        // Between 敬老の日 and 秋分の日.
        {2032y / September / 21, "休日"},
        {2099y / September / 22, "休日"},
        {2031y / July / 21, "海の日"},
        {2033y / October / 10, "スポーツの日"},
        {2028y / December / 23, std::nullopt},
        // The equinox formula ends with 2099.
        {2100y / January / 1, std::nullopt},
        {2024y / February / 30, std::nullopt},
    };
    for (const auto &[date, name] : days)
        EXPECT_EQ(holidayByLaw(date), name) << tableLine(date, "");
}

} // namespace
