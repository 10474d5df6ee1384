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

const std::vector<std::string> someHolidays = {"2024/1/1,元日", "2024/2/12,休日"};

TEST(HolidayTableTest, ReadsTheTableAsTheCabinetOfficePublishesIt) {
    const auto whole = parseHolidayTable(publishedTable(referenceLines()));
    ASSERT_TRUE(whole);
    EXPECT_EQ(linesOf(*whole), referenceLines());

    const std::string header =
        encodeText("国民の祝日・休日月日,国民の祝日・休日名称", TextEncoding::Cp932);
    const std::string holidays = encodeText("2024/1/1,元日\n2024/02/12,休日", TextEncoding::Cp932);
    const std::string variants[] = {
        header + "\n" + holidays + "\n",
        header + "\n" + holidays,
        "\r\n" + header + "\r\n\r\n" + holidays + "\r\n\r\n",
        "date,name\r\n" + holidays,
    };
    for (const std::string &bytes : variants) {
        const auto table = parseHolidayTable(bytes);
        ASSERT_TRUE(table) << bytes;
        EXPECT_EQ(linesOf(*table), someHolidays) << bytes;
    }
}

struct DamagedTable {
    const char *name;
    std::string bytes;
    HolidayTableError error;
};

TEST(HolidayTableTest, RefusesADamagedTableWhole) {
    using enum HolidayTableProblem;
    // The header and two holidays, then the bytes given: lines 4 and on.
    const auto publishedWith = [](std::string_view bytes) {
        return publishedTable(someHolidays) + std::string(bytes);
    };
    const auto published = [&publishedWith](const std::vector<std::string> &lines) {
        std::string text;
        for (const std::string &line : lines)
            text += line + "\r\n";
        return publishedWith(encodeText(text, TextEncoding::Cp932));
    };
    const std::string tooLarge = publishedWith(std::string(maximumHolidayTableSize, '\n'));
    const std::string utf8Table = "国民の祝日・休日月日,国民の祝日・休日名称\r\n2024/1/1,元日\r\n";
    const DamagedTable tables[] = {
        {"Empty", "", {NoHolidays, 0}},
        {"HeaderAlone", publishedTable({}), {NoHolidays, 0}},
        {"TooLarge", tooLarge, {TooLarge, 0}},
        {"NoHeader", encodeText("2024/1/1,元日\r\n", TextEncoding::Cp932), {NoHeader, 1}},
        {"NoComma", published({"2024/3/20 春分の日"}), {BadLine, 4}},
        {"TwoCommas", published({"2024/3/20,春分の日,"}), {BadLine, 4}},
        {"NoName", published({"2024/3/20,"}), {BadLine, 4}},
        {"Tab", published({"2024/3/20,春分\tの日"}), {BadLine, 4}},
        {"MacLineEnds", published({"2024/3/20,春分の日\r2024/4/29,昭和の日"}), {BadLine, 4}},
        {"NoDay", published({"2024/3/32,春分の日"}), {BadDate, 4}},
        {"NoLeapDay", published({"2023/2/29,休日"}), {BadDate, 4}},
        {"TwoDigitYear", published({"24/3/20,春分の日"}), {BadDate, 4}},
        {"Dashes", published({"2024-03-20,春分の日"}), {BadDate, 4}},
        {"Blank", published({"2024/3/ 20,春分の日"}), {BadDate, 4}},
        {"Sign", published({"2024/+3/20,春分の日"}), {BadDate, 4}},
        {"ThreeDigitMonth", published({"2024/003/20,春分の日"}), {BadDate, 4}},
        {"Duplicate", published({"2024/3/20,春分の日", "2024/03/20,休日"}), {DuplicateDate, 5}},
        {"CutCharacter", publishedWith("2024/3/20,\x8F\r\n"), {NotShiftJis, 4}},
        {"NoShiftJisByte", publishedWith("2024/3/20,\xFF\xFE\r\n"), {NotShiftJis, 4}},
        {"SavedAsUtf8", utf8Table, {NotShiftJis, 1}},
        {"EmptyLinesCount",
         "\n" + published({"", "2024/3/20,春分の日", "2024/2/30,休日"}),
         {BadDate, 7}},
    };
    for (const DamagedTable &table : tables) {
        const auto read = parseHolidayTable(table.bytes);
        ASSERT_FALSE(read) << table.name;
        EXPECT_EQ(read.error(), table.error) << table.name;
    }
}

TEST(HolidayCalendarTest, ATableReplacesTheYearsItCoversAndTheLawGivesTheOthers) {
    std::vector<std::string> lines;
    std::ranges::copy_if(referenceLines(), std::back_inserter(lines),
                         [](const std::string &line) { return line.starts_with("2024/"); });
    std::ranges::replace(lines, std::string("2024/7/15,海の日"), std::string("2024/7/22,海の日"));
    lines.push_back("2024/12/30,休日");
    lines.push_back("2100/1/1,元日");
    const auto table = parseHolidayTable(publishedTable(lines));
    ASSERT_TRUE(table);
    const HolidayCalendar calendar(*table);
    const auto holidayOn = [&calendar](year_month_day date) { return calendar.holidayOn(date); };

    std::vector<std::string> expected = holidayLines(2023y / 1 / 1, 2023y / 12 / 31, holidayByLaw);
    expected.insert(expected.end(), lines.begin(), lines.end() - 1);
    const auto after = holidayLines(2025y / 1 / 1, 2025y / 12 / 31, holidayByLaw);
    expected.insert(expected.end(), after.begin(), after.end());
    EXPECT_EQ(holidayLines(2023y / 1 / 1, 2025y / 12 / 31, holidayOn), expected);
    EXPECT_EQ(calendar.holidayOn(2100y / 1 / 1), "元日");
    EXPECT_EQ(calendar.holidayOn(2100y / 1 / 2), std::nullopt);

    const HolidayCalendar ruled;
    EXPECT_EQ(ruled.holidayOn(2024y / 7 / 15), "海の日");
    EXPECT_EQ(ruled.holidayOn(2100y / 1 / 1), std::nullopt);

    lines.push_back("2024/12/32,休日");
    EXPECT_EQ(parseHolidayTable(publishedTable(lines)).error(),
              (HolidayTableError{HolidayTableProblem::BadDate, lines.size() + 1}));
}

} // namespace
