#include "HolidayTable.h"

#include "CabinetTable.h"
#include "HolidayCalendar.h"
#include "HolidayRules.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

std::vector<std::string> linesOf(const HolidayTable &table) {
    std::vector<std::string> lines;
    for (const auto &[date, name] : table.names)
        lines.push_back(tableLine(date, name));
    return lines;
}

TEST(HolidayTableTest, ReadsTheTableAsTheCabinetOfficePublishesIt) {
    const auto whole = parseHolidayTable(publishedTable(referenceLines()));
    ASSERT_TRUE(whole);
    EXPECT_EQ(linesOf(*whole), referenceLines());

    const std::string holidays = encodeText("2024/1/1,元日\n2024/02/12,休日", TextEncoding::Cp932);
    for (const std::string &bytes :
         {"date,name\n" + holidays, "\r\nheader\r\n\r\n" + holidays + "\r\n"}) {
        const auto table = parseHolidayTable(bytes);
        ASSERT_TRUE(table) << bytes;
        EXPECT_EQ(linesOf(*table), (std::vector<std::string>{"2024/1/1,元日", "2024/2/12,休日"}));
    }
}

TEST(HolidayTableTest, RefusesADamagedTableWhole) {
    using enum HolidayTableProblem;
    // The header and a holiday, then the line given: line 3.
    const auto withLine = [](std::string_view line) {
        return publishedTable({"2024/1/1,元日"}) + std::string(line) + "\r\n";
    };
    const auto published = [&withLine](std::string_view line) {
        return withLine(encodeText(line, TextEncoding::Cp932));
    };
    const std::pair<std::string, HolidayTableError> tables[] = {
        {"", {NoHolidays, 0}},
        {publishedTable({}), {NoHolidays, 0}},
        {withLine(std::string(maximumHolidayTableSize, '\n')), {TooLarge, 0}},
        {encodeText("2024/1/1,元日\r\n", TextEncoding::Cp932), {NoHeader, 1}},
        {published("2024/3/20 春分の日"), {BadLine, 3}},
        {published("2024/3/20,春分の日,"), {BadLine, 3}},
        {published("2024/3/20,"), {BadLine, 3}},
        {published("2024/3/20,春分\rの日"), {BadLine, 3}},
        {published("2023/2/29,休日"), {BadDate, 3}},
        {published("24/3/20,春分の日"), {BadDate, 3}},
        {published("2024-03-20,春分の日"), {BadDate, 3}},
        {published("2024/+3/20,春分の日"), {BadDate, 3}},
        {published("2024/01/01,元日"), {DuplicateDate, 3}},
        {withLine("2024/3/20,\x8F"), {NotShiftJis, 3}},
        {"国民の祝日・休日月日,国民の祝日・休日名称\r\n2024/1/1,元日\r\n", {NotShiftJis, 1}},
        {"\n" + published("\r\n2024/2/30,休日"), {BadDate, 5}},
    };
    for (const auto &[bytes, error] : tables) {
        const auto read = parseHolidayTable(bytes);
        ASSERT_FALSE(read) << bytes;
        EXPECT_EQ(read.error(), error) << bytes;
    }
}

TEST(HolidayCalendarTest, ATableReplacesTheYearsItCoversAndTheLawGivesTheOthers) {
    std::vector<std::string> lines;
    std::ranges::copy_if(referenceLines(), std::back_inserter(lines),
                         [](const std::string &line) { return line.starts_with("2024/"); });
    std::ranges::replace(lines, std::string("2024/7/15,海の日"), std::string("2024/7/22,海の日"));
    lines.push_back("2024/12/30,休日");
    const auto table = parseHolidayTable(publishedTable(lines));
    ASSERT_TRUE(table);
    const HolidayCalendar calendar(*table);

    std::vector<std::string> expected = holidayLines(2023y / 1 / 1, 2023y / 12 / 31, holidayByLaw);
    expected.insert(expected.end(), lines.begin(), lines.end());
    const auto after = holidayLines(2025y / 1 / 1, 2025y / 12 / 31, holidayByLaw);
    expected.insert(expected.end(), after.begin(), after.end());
    EXPECT_EQ(holidayLines(2023y / 1 / 1, 2025y / 12 / 31,
                           [&calendar](year_month_day date) { return calendar.holidayOn(date); }),
              expected);
    EXPECT_EQ(HolidayCalendar().holidayOn(2024y / 7 / 15), "海の日");

    // A year after those of the law is the table's alone.
    EXPECT_EQ(HolidayCalendar(*parseHolidayTable(publishedTable({"2100/1/1,元日"})))
                  .holidayOn(2100y / 1 / 1),
              "元日");

    lines.push_back("2024/12/32,休日");
    EXPECT_EQ(parseHolidayTable(publishedTable(lines)).error(),
              (HolidayTableError{HolidayTableProblem::BadDate, lines.size() + 1}));
}

} // namespace
