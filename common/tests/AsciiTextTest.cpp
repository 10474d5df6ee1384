#include "AsciiText.h"

#include <gtest/gtest.h>

TEST(AsciiTextTest, TrimsOnlySpacesAndTabs) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {" \tvalue\t ", "value"},         {"in side", "in side"},   {" \t ", ""},
        {"\r\nline\r\n", "\r\nline\r\n"}, {"\x81\x40", "\x81\x40"}, // a CP932 ideographic space is
                                                                    // no blank
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(trimmed(text), expected) << text;
}

TEST(AsciiTextTest, LowersAsciiCapitalsAlone) {
    EXPECT_EQ(asciiLowered("AutoRun.INF [Z@]"), "autorun.inf [z@]");
    EXPECT_EQ(asciiLowered("\xC3\x84pfel"), "\xC3\x84pfel"); // UTF-8 bytes stay
}
