#include "DayNames.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

DayCell shownDay(year_month_day date, const char *note = "") {
    return DayCell{date, {note, oleBlack}};
}

// Early years keep four digits in the headings and in the names of days.
TEST(DayNamesTest, HeadingsAndNamesAreBuiltFromTheDate) {
    const std::pair<year_month, const char *> months[] = {
        {2005y / May, "2005  /  05"},       {2005y / October, "2005  /  10"},
        {2007y / September, "2007  /  09"}, {2009y / February, "2009  /  02"},
        {2005y / March, "2005  /  03"},     {2005y / December, "2005  /  12"},
        {2008y / February, "2008  /  02"},  {year{5} / January, "0005  /  01"},
        {9999y / December, "9999  /  12"},
    };
    for (const auto &[month, expected] : months)
        EXPECT_EQ(monthHeading(month).toStdString(), expected);
    const std::pair<year_month_day, const char *> days[] = {
        {2005y / March / 6, "2005/03/06(日)"},     {2005y / March / 7, "2005/03/07(月)"},
        {2005y / March / 8, "2005/03/08(火)"},     {2005y / March / 9, "2005/03/09(水)"},
        {2005y / March / 10, "2005/03/10(木)"},    {2005y / October / 14, "2005/10/14(金)"},
        {2005y / December / 31, "2005/12/31(土)"}, {2008y / February / 29, "2008/02/29(金)"},
        {year{5} / January / 1, "0005/01/01(土)"}, {year{999} / May / 5, "0999/05/05(日)"},
        {9999y / December / 31, "9999/12/31(金)"},
    };
    for (const auto &[date, expected] : days)
        EXPECT_EQ(dayName(date).toStdString(), expected);
}

TEST(DayNamesTest, SaysTheFullDateAndWhetherTheDayHasANote) {
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
            << cell.caption() << " " << cell.stored.note;
    }
}

} // namespace
