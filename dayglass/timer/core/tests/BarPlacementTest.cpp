#include "BarPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(BarPlacementTest, PlacesTheBarForAPercentage) {
    const std::tuple<int, BarPlacement> rows[] = {
        {100, {30, 3375, oleColor(0, 0, 255)}},    {50, {1717, 1687, oleColor(0, 255, 0)}},
        {33, {2291, 1113, oleColor(173, 255, 0)}}, {0, {3405, 0, oleColor(255, 0, 0)}},
        {-40, {2055, 1350, std::nullopt}},         {-1, {3371, 33, std::nullopt}},
        {-99, {63, 3341, std::nullopt}},           {-100, {30, 3375, std::nullopt}},
        {-250, {30, 3375, std::nullopt}},
    };
    for (const auto &[percent, placement] : rows)
        EXPECT_EQ(barPlacementFor(percent), placement) << percent;
}

TEST(BarPlacementTest, ColourRampRunsFromRedToBlue) {
    const std::tuple<int, const char *, OleColor> rows[] = {
        {0, "&H00FF", oleColor(255, 0, 0)},      {1, "&H0AFF", oleColor(255, 10, 0)},
        {25, "&HFFFF", oleColor(255, 255, 0)},   {26, "&HFFF4", oleColor(244, 255, 0)},
        {50, "&HFF00", oleColor(0, 255, 0)},     {51, "&H0AFF00", oleColor(0, 255, 10)},
        {75, "&HFFFF00", oleColor(0, 255, 255)}, {76, "&HFFF400", oleColor(0, 244, 255)},
        {100, "&HFF0000", oleColor(0, 0, 255)},
    };
    for (const auto &[percent, text, colour] : rows) {
        EXPECT_EQ(BarColor(percent), text) << percent;
        EXPECT_EQ(barPlacementFor(percent).colour, colour) << percent;
    }
    EXPECT_EQ(BarColor(101), "");
    EXPECT_EQ(BarColor(-1), "");
}

TEST(BarPlacementTest, ColourMovesOneComponentAtATime) {
    for (int percent = 1; percent <= 100; ++percent) {
        const OleColor before = *barPlacementFor(percent - 1).colour;
        const OleColor after = *barPlacementFor(percent).colour;
        EXPECT_EQ(oleColorFromText(BarColor(percent)), after) << percent;
        const int changed = (redOf(before) != redOf(after)) + (greenOf(before) != greenOf(after)) +
                            (blueOf(before) != blueOf(after));
        EXPECT_LE(changed, 1) << percent;
    }
}

} // namespace
