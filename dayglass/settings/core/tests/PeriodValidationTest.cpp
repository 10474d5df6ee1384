#include "PeriodValidation.h"

#include <gtest/gtest.h>

namespace {

// A valid period: 2006/03/15 08:30:00 to 2007/03/01 17:00:00.
PeriodTexts validPeriod() {
    return {{"2006", "3", "15", "8", "30", "0"}, {"2007", "03", "01", "17", "00", "00"}};
}

// The problem of a period, as its check reports it.
std::optional<PeriodProblem> problemOf(const PeriodTexts &texts) {
    const Result<void, PeriodProblem> checked = checkPeriod(texts);
    return checked ? std::nullopt : std::optional(checked.error());
}

struct Row {
    const char *name;
    void (*change)(PeriodTexts &);
    std::optional<PeriodProblem> problem;
};

TEST(PeriodValidationTest, ReportsTheFirstFailingCheck) {
    using enum PeriodSide;
    using enum PeriodField;
    const Row rows[] = {
        {"valid", [](PeriodTexts &) {}, std::nullopt},
        {"start month 0", [](PeriodTexts &t) { t.start.month = "0"; }, InvalidField{Start, Month}},
        {"start month 13", [](PeriodTexts &t) { t.start.month = "13"; },
         InvalidField{Start, Month}},
        {"start month 1", [](PeriodTexts &t) { t.start.month = "1"; }, std::nullopt},
        {"start month 12", [](PeriodTexts &t) { t.start.month = "12"; }, std::nullopt},
        {"start day 31", [](PeriodTexts &t) { t.start.day = "31"; }, InvalidField{Start, Day}},
        {"start day 0", [](PeriodTexts &t) { t.start.day = "0"; }, InvalidField{Start, Day}},
        {"start hour 24", [](PeriodTexts &t) { t.start.hour = "24"; }, InvalidField{Start, Hour}},
        {"start minute 60", [](PeriodTexts &t) { t.start.minute = "60"; },
         InvalidField{Start, Minute}},
        {"start second 60", [](PeriodTexts &t) { t.start.second = "60"; },
         InvalidField{Start, Second}},
        {"end month 13", [](PeriodTexts &t) { t.end.month = "13"; }, InvalidField{End, Month}},
        {"end day 31", [](PeriodTexts &t) { t.end.day = "31"; }, InvalidField{End, Day}},
        {"end hour 24", [](PeriodTexts &t) { t.end.hour = "24"; }, InvalidField{End, Hour}},
        {"end minute 60", [](PeriodTexts &t) { t.end.minute = "60"; }, InvalidField{End, Minute}},
        {"end second 60", [](PeriodTexts &t) { t.end.second = "60"; }, InvalidField{End, Second}},
        {"empty start month", [](PeriodTexts &t) { t.start.month = ""; },
         InvalidField{Start, Month}},
        {"empty end second", [](PeriodTexts &t) { t.end.second = ""; }, InvalidField{End, Second}},
        {"empty start year", [](PeriodTexts &t) { t.start.year = ""; }, InvalidField{Start, Year}},
        {"empty end year", [](PeriodTexts &t) { t.end.year = ""; }, InvalidField{End, Year}},
        {"letters from a hand-edited file", [](PeriodTexts &t) { t.end.hour = "x"; },
         InvalidField{End, Hour}},
        {"start equals end", [](PeriodTexts &t) { t.end = t.start; }, StartNotBeforeEnd{}},
        {"start year after end year", [](PeriodTexts &t) { t.start.year = "2008"; },
         StartNotBeforeEnd{}},
        {"a fraction beyond the bound", [](PeriodTexts &t) { t.start.day = "30.5"; },
         InvalidField{Start, Day}},
        {"a sign alone", [](PeriodTexts &t) { t.end.hour = "-"; }, InvalidField{End, Hour}},
    };
    for (const Row &row : rows) {
        PeriodTexts texts = validPeriod();
        row.change(texts);
        EXPECT_EQ(problemOf(texts), row.problem) << row.name;
    }
    const std::tuple<const char *, PeriodTexts, std::optional<PeriodProblem>> periods[] = {
        {"bounds accepted",
         {{"2006", "1", "1", "0", "0", "0"}, {"2006", "12", "30", "23", "59", "59"}},
         std::nullopt},
        {"day 30 of february",
         {{"2006", "2", "30", "8", "30", "0"}, {"2007", "03", "01", "17", "00", "00"}},
         std::nullopt},
        {"only the first problem",
         {{"2006", "3", "31", "8", "30", "0"}, {"2007", "13", "01", "17", "00", "00"}},
         InvalidField{Start, Day}},
        {"start month before an empty start year",
         {{"", "13", "15", "8", "30", "0"}, {"2007", "03", "01", "17", "00", "00"}},
         InvalidField{Start, Month}},
        {"end row before an empty start year",
         {{"", "3", "15", "8", "30", "0"}, {"2007", "03", "01", "17", "60", "00"}},
         InvalidField{End, Minute}},
        {"empty end year after the start row",
         {{"2006", "3", "15", "8", "30", "60"}, {"", "03", "01", "17", "00", "00"}},
         InvalidField{Start, Second}},
        {"end one second later",
         {{"2006", "3", "15", "8", "30", "0"}, {"2006", "3", "15", "8", "30", "1"}},
         std::nullopt},
        {"years 6 and 06 are one year",
         {{"6", "1", "1", "0", "0", "0"}, {"06", "1", "1", "0", "0", "0"}},
         StartNotBeforeEnd{}},
        {"signs, decimal points and blanks are numbers",
         {{"2006", "+9", " 3.5 ", "8", "30", "0"}, {"+2007", "03", "01", "17", "00", "00"}},
         std::nullopt},
        {"ordered by the numbers",
         {{"2006", "+12", "1", "0", "0", "0"}, {"2006", "9", "1", "0", "0", "0"}},
         StartNotBeforeEnd{}},
        {"a stored month 3.5 keys by its last two characters, as .5",
         {{"2006", "3.5", "1", "0", "0", "0"}, {"2005", "12", "1", "0", "0", "0"}},
         std::nullopt},
        {"month 3 and 03 alike",
         {{"2006", "3", "1", "0", "0", "0"}, {"2006", "03", "1", "0", "0", "0"}},
         StartNotBeforeEnd{}},
        {"every field keys with leading zeros",
         {{"6", "03", "5", "0", "0", "59"}, {"0006", "3", "05", "00", "00", "59"}},
         StartNotBeforeEnd{}},
        {"a five-digit year and a four-digit month key by their last characters",
         {{"20060", "0003", "1", "0", "0", "0"}, {"60", "3", "1", "0", "0", "0"}},
         StartNotBeforeEnd{}},
        {"the last seconds of year 9999 still differ",
         {{"9999", "12", "30", "23", "59", "58"}, {"9999", "12", "30", "23", "59", "59"}},
         std::nullopt},
    };
    for (const auto &[name, texts, problem] : periods)
        EXPECT_EQ(problemOf(texts), problem) << name;
}

TEST(PeriodValidationTest, FieldsTakeDigitsUpToTheirLimitOrWhatIsLeftOfTheStoredText) {
    struct Row {
        std::u32string_view stored;
        std::u32string_view edited;
        std::size_t limit;
        bool accepted;
    };
    const Row rows[] = {
        {U"", U"12", 2, true},           {U"12", U"123", 2, false},    {U"12", U"", 2, true},
        {U"12", U"1a", 2, false},        {U"3.5", U"3.", 2, true},     {U"3.5", U"35", 2, true},
        {U"3.5", U"3.57", 2, false},     {U"3.5x", U"3x", 2, true},    {U"3.5", U"7", 2, true},
        {U"3.5", U"a", 2, false},        {U"20060", U"2006", 4, true}, {U"20060", U"0", 4, true},
        {U"20060", U"200601", 4, false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(acceptsFieldText(row.stored, row.edited, row.limit), row.accepted)
            << std::string(row.edited.begin(), row.edited.end());
}

TEST(PeriodValidationTest, FieldsRefusePrintableCharactersButDigits) {
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_FALSE(isRefusedFieldCharacter(c));
    // Backspace, Delete (as X11 sends it), Enter, Tab, Escape, Ctrl+V, C1.
    for (const char32_t c : {U'\b', U'\x7f', U'\r', U'\t', U'\x1b', U'\x16', U'\x85'})
        EXPECT_FALSE(isRefusedFieldCharacter(c)) << static_cast<unsigned>(c);
    for (const char32_t c : {U'a', U' ', U'-', U'.', U'０', U'\xa0', U'あ'})
        EXPECT_TRUE(isRefusedFieldCharacter(c)) << static_cast<unsigned>(c);
}

} // namespace
