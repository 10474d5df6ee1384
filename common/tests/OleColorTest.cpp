#include "OleColor.h"

#include <gtest/gtest.h>

TEST(OleColor, ReadsDecimalAndHexadecimalText) {
    const std::pair<const char *, std::optional<OleColor>> rows[] = {
        {"16711680", 0xFF0000},
        {"65535", 0x00FFFF},
        {"0", 0},
        {" 255 ", 255},
        {"&HFF", 0xFF},
        {"&h00", 0},
        {"&HFFFF", 0xFFFF},
        {"&HFF0000", 0xFF0000},
        {"", std::nullopt},
        {"red", std::nullopt},
        {"12.5", std::nullopt},
        {"-1", std::nullopt},
        {"16777216", std::nullopt},
        {"&H", std::nullopt},
        {"&HXYZ", std::nullopt},
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(oleColorFromText(text), expected) << text;
}
