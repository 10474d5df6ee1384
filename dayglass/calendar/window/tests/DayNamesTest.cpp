#include "DayNames.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

DayCell shownDay(year_month_day date, const char *note = "") {
    return DayCell{date, {note, oleBlack}};
}

TEST(DayNamesTest, SaysTheFullDateItsHolidayAndWhetherTheDayHasANote) {
    const std::tuple<DayCell, std::optional<std::string>, const char *> rows[] = {
        {shownDay(2005y / October / 14), "2005年10月14日(金)", "2005/10/14(金)"},
        {shownDay(2005y / October / 14, "歯医者"), "2005年10月14日(金)、メモあり",
         "2005/10/14(金)"},
        {shownDay(2005y / March / 7, "一行目#CR#二行目"), "2005年3月7日(月)、メモあり",
         "2005/03/07(月)"},
        {shownDay(2008y / February / 29), "2008年2月29日(金)", "2008/02/29(金)"},
        {shownDay(1y / January / 1), "1年1月1日(月)", "0001/01/01(月)"},
        {shownDay(9999y / December / 31), "9999年12月31日(金)", "9999/12/31(金)"},
        // A note of line breaks alone shows as nothing under the grid.
        {shownDay(2005y / October / 14, "#CR##CR#"), "2005年10月14日(金)", "2005/10/14(金)"},
        {DayCell{2024y / February / 12, {}, "休日"}, "2024年2月12日(月)、休日", "2024/02/12(月)"},
        {DayCell{2024y / February / 11, {"帰省", oleBlack}, "建国記念の日"},
         "2024年2月11日(日)、建国記念の日、メモあり", "2024/02/11(日)"},
        {DayCell{}, std::nullopt, ""}, // outside the month
    };
    for (const auto &[cell, expected, name] : rows) {
        const std::optional<QString> accessible = accessibleDayName(cell);
        EXPECT_EQ(accessible ? std::optional(accessible->toStdString()) : std::nullopt, expected)
            << cell.caption() << " " << cell.stored.note;
        EXPECT_EQ(cell.date ? dayName(*cell.date).toStdString() : "", name);
    }
}

} // namespace
