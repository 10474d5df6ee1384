#include "AsciiText.h"

#include <gtest/gtest.h>

TEST(AsciiText, TrimsOnlySpacesAndTabs) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {" \tvalue\t ", "value"},         {"in side", "in side"},   {" \t ", ""},
        {"\r\nline\r\n", "\r\nline\r\n"}, {"\x81\x40", "\x81\x40"}, // a CP932 ideographic space is
                                                                    // no blank
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(trimmed(text), expected) << text;
}

TEST(AsciiText, LowersAsciiCapitalsAlone) {
    EXPECT_EQ(asciiLowered("AutoRun.INF [Z@]"), "autorun.inf [z@]");
    EXPECT_EQ(asciiLowered("\xC3\x84pfel"), "\xC3\x84pfel"); // UTF-8 bytes stay
}

TEST(AsciiText, ReadsDecimalDigitsAlone) {
    const std::pair<std::string_view, std::optional<std::uint32_t>> rows[] = {
        {"0", 0},
        {"2006", 2006},
        {"0000000000007", 7},
        {"4294967295", 4294967295u},
        {"4294967296", std::nullopt},
        {"", std::nullopt},
        {" 7", std::nullopt},
        {"+7", std::nullopt},
        {"-7", std::nullopt},
        {"7a", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(decimalNumber(text), expected) << text;
}
