#include "OleColor.h"

#include <gtest/gtest.h>

TEST(OleColorTest, ReadsDecimalAndHexadecimalText) {
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
        // The system colours, in both forms of a 32-bit integer.
        {"&H80000005", 0x80000005},
        {"-2147483643", 0x80000005},
        {"&H80000018", 0x80000018},
        {"&H80000019", std::nullopt},
        {"2147483653", std::nullopt},
        {"&HFFFFFFFF", std::nullopt},
        {"&H100000000", std::nullopt},
        {"&H-5", std::nullopt},
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(oleColorFromText(text), expected) << text;
}
