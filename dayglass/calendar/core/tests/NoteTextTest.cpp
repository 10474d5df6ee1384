#include "NoteText.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    std::string input;
    std::string expected;
};

TEST(NoteTextTest, EditorTextIsStoredOnOneLine) {
    const Row rows[] = {
        {"", ""},
        {"one line", "one line"},
        {"first\r\nsecond", "first#CR#second"},
        {"first\rsecond", "first#CR#second"},
        {"first\nsecond", "first#CR#second"},
        {"first\r\n\r\nsecond", "first#CR#second"}, // empty lines collapse
        {"first\n\n\n\nsecond", "first#CR#second"},
        {"\r\nfirst", "#CR#first"},
        {"first\r\n", "first#CR#"},
        {"\r\n\r\n", "#CR#"},
        {"a#CR#b", "a#CR#b"},     // a typed mark is not escaped
        {"a#CR#\r\nb", "a#CR#b"}, // and swallows the break after it
        {"今日は\r\n晴れ", "今日は#CR#晴れ"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(TextToNote(row.input), row.expected) << row.input;
}

TEST(NoteTextTest, StoredNotesShowWithCarriageReturns) {
    const Row rows[] = {
        {"", ""},
        {"one line", "one line"},
        {"first#CR#second", "first\rsecond"},
        {"#CR#first", "first"}, // a leading break leaves no trace
        {"#CR##CR#first", "first"},
        {"#CR#", ""},
        {"first#CR#", "first\r"},
        {"first#CR##CR#second", "first\r\rsecond"},
        {"first#cr#second", "first#cr#second"}, // the mark is case-sensitive
        {"#CR#CR#", "CR#"},                     // marks are found left to right
        {"今日は#CR#晴れ", "今日は\r晴れ"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(NoteToText(row.input), row.expected) << row.input;
}

} // namespace
