#include "HolidayRules.h"

#include "CabinetTable.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

std::vector<std::string> linesLackedBy(const std::vector<std::string> &lines,
                                       const std::vector<std::string> &others) {
    std::vector<std::string> lacked;
    std::ranges::copy_if(others, std::back_inserter(lacked), [&lines](const std::string &line) {
        return std::ranges::find(lines, line) == lines.end();
    });
    return lacked;
}

TEST(HolidayRulesTest, GiveEveryDayOfTheCabinetTableFrom1955To2027AndNoOther) {
    const std::vector<std::string> table = referenceLines();
    const std::vector<std::string> computed =
        holidayLines(1955y / January / 1, 2027y / December / 31, holidayByLaw);
    ASSERT_EQ(table.size(), 1067u);
    EXPECT_EQ(linesLackedBy(computed, table), std::vector<std::string>{}) << "missed";
    EXPECT_EQ(linesLackedBy(table, computed), std::vector<std::string>{}) << "no holidays";
    EXPECT_EQ(computed.size(), table.size());
}

struct RuledDay {
    year_month_day date;
    std::optional<std::string_view> name;
};

TEST(HolidayRulesTest, GiveTheYearsBeforeAndAfterTheTable) {
    const RuledDay days[] = {
        // The law came into force on 20 July 1948.
        {1948y / May / 5, std::nullopt},
        {1948y / September / 23, "秋分の日"},
        {1948y / November / 23, "勤労感謝の日"},
        {1949y / January / 15, "成人の日"},
        {1951y / September / 24, "秋分の日"},
        // Equinoxes as the National Astronomical Observatory foretells them.
        {2028y / March / 20, "春分の日"},
        {2028y / September / 22, "秋分の日"},
        {2092y / March / 19, "春分の日"},
        {2092y / March / 20, std::nullopt},
        {2028y / December / 23, std::nullopt},
        // Sunday holidays: their rest day is the first day after them that
        // is no holiday.
        {2030y / August / 12, "休日"},
        {2031y / February / 24, "休日"},
        {2031y / May / 6, "休日"},
        {2037y / May / 4, "みどりの日"},
        {2037y / May / 6, "休日"},
        // Between 敬老の日 and 秋分の日.
        {2032y / September / 20, "敬老の日"},
        {2032y / September / 21, "休日"},
        {2099y / September / 22, "休日"},
        {2099y / September / 23, "秋分の日"},
        {2031y / July / 21, "海の日"},
        {2033y / January / 10, "成人の日"},
        {2033y / October / 10, "スポーツの日"},
        // The equinox formula ends with 2099.
        {2100y / January / 1, std::nullopt},
        {2024y / February / 30, std::nullopt},
    };
    for (const RuledDay &ruled : days)
        EXPECT_EQ(holidayByLaw(ruled.date), ruled.name) << tableLine(ruled.date, "");
}

} // namespace
