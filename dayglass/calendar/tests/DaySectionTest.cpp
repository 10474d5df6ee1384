#include "DaySection.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

TEST(DayNoteSection, WeekdayMarksRunFromSundayToSaturday) {
    // 6 March 2005 was a Sunday.
    const char *const marks[] = {"(日)", "(月)", "(火)", "(水)", "(木)", "(金)", "(土)"};
    for (unsigned offset = 0; offset < 7; ++offset) {
        const weekday day{local_days{2005y / March / 6} + days{offset}};
        EXPECT_EQ(WeekdayMark(day), marks[offset]) << offset;
    }
}

TEST(DayNoteSection, NamesAreBuiltFromHeadingAndCaption) {
    const std::pair<std::pair<const char *, const char *>, std::optional<std::string>> rows[] = {
        {{"2005  /  03", "7"}, "2005/03/07(月)"},
        {{"2005  /  10", "14"}, "2005/10/14(金)"},
        {{"2005  /  12", "31"}, "2005/12/31(土)"},
        {{"2008  /  02", "29"}, "2008/02/29(金)"},
        {{"0005  /  01", "1"}, "0005/01/01(土)"},
        {{"0001  /  01", "1"}, "0001/01/01(月)"},
        {{"9999  /  12", "31"}, "9999/12/31(金)"},
        {{"2005  /  03", "99"}, std::nullopt}, // a hidden cell
        {{"2005  /  02", "29"}, std::nullopt},
        {{"2005  /  04", "31"}, std::nullopt},
        {{"2005  /  03", "0"}, std::nullopt},
        {{"2005  /  03", ""}, std::nullopt},
        {{"2005  /  03", "107"}, std::nullopt},
        {{"2005  /  03", "x"}, std::nullopt},
        {{"0000  /  03", "1"}, std::nullopt},
        {{"2005  /  13", "1"}, std::nullopt},
        {{"", "1"}, std::nullopt},
    };
    for (const auto &[input, expected] : rows)
        EXPECT_EQ(daySectionName(input.first, input.second), expected)
            << input.first << " + " << input.second;
}

} // namespace
