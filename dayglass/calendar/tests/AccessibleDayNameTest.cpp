#include "AccessibleDayName.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

DayCell shownDay(const char *caption, const char *tag = "") {
    return DayCell{caption, true, tag, oleBlack};
}

TEST(AccessibleDayName, SaysTheFullDateAndWhetherTheDayHasANote) {
    const std::tuple<year_month, DayCell, std::optional<std::string>> rows[] = {
        {2005y / October, shownDay("14"), "2005年10月14日(金)"},
        {2005y / October, shownDay("14", "歯医者"), "2005年10月14日(金)、メモあり"},
        {2005y / March, shownDay("7", "一行目#CR#二行目"), "2005年3月7日(月)、メモあり"},
        {2008y / February, shownDay("29"), "2008年2月29日(金)"},
        {1y / January, shownDay("1"), "1年1月1日(月)"},
        {9999y / December, shownDay("31"), "9999年12月31日(金)"},
        // A note of line breaks alone shows as nothing under the grid.
        {2005y / October, shownDay("14", "#CR##CR#"), "2005年10月14日(金)"},
        {2005y / October, DayCell{}, std::nullopt}, // outside the month
        {2005y / February, shownDay("30"), std::nullopt},
        {2005y / October, shownDay(""), std::nullopt},
        {2005y / October, shownDay("1x"), std::nullopt},
        {2005y / October, shownDay("4294967296"), std::nullopt},
    };
    for (const auto &[month, cell, expected] : rows)
        EXPECT_EQ(accessibleDayName(month, cell), expected)
            << int(month.year()) << "/" << unsigned(month.month()) << " " << cell.caption << " "
            << cell.tag;
}

} // namespace
