#include "AccessibleDayName.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

DayCell shownDay(year_month_day date, const char *note = "") {
    return DayCell{date, note, oleBlack};
}

TEST(AccessibleDayNameTest, SaysTheFullDateAndWhetherTheDayHasANote) {
    const std::pair<DayCell, std::optional<std::string>> rows[] = {
        {shownDay(2005y / October / 14), "2005年10月14日(金)"},
        {shownDay(2005y / October / 14, "歯医者"), "2005年10月14日(金)、メモあり"},
        {shownDay(2005y / March / 7, "一行目#CR#二行目"), "2005年3月7日(月)、メモあり"},
        {shownDay(2008y / February / 29), "2008年2月29日(金)"},
        {shownDay(1y / January / 1), "1年1月1日(月)"},
        {shownDay(9999y / December / 31), "9999年12月31日(金)"},
        // A note of line breaks alone shows as nothing under the grid.
        {shownDay(2005y / October / 14, "#CR##CR#"), "2005年10月14日(金)"},
        {DayCell{}, std::nullopt}, // outside the month
    };
    for (const auto &[cell, expected] : rows) {
        const std::optional<QString> name = accessibleDayName(cell);
        EXPECT_EQ(name ? std::optional(name->toStdString()) : std::nullopt, expected)
            << cell.caption() << " " << cell.note;
    }
}

} // namespace
