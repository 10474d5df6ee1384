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
    const std::tuple<int, OleColor> rows[] = {
        {0, oleColor(255, 0, 0)},    {1, oleColor(255, 10, 0)},   {25, oleColor(255, 255, 0)},
        {26, oleColor(244, 255, 0)}, {50, oleColor(0, 255, 0)},   {51, oleColor(0, 255, 10)},
        {75, oleColor(0, 255, 255)}, {76, oleColor(0, 244, 255)}, {100, oleColor(0, 0, 255)},
    };
    for (const auto &[percent, colour] : rows)
        EXPECT_EQ(barPlacementFor(percent).colour, colour) << percent;
    EXPECT_EQ(barPlacementFor(101).colour, std::nullopt);
}

TEST(BarPlacementTest, ColourMovesOneComponentAtATime) {
    for (int percent = 1; percent <= 100; ++percent) {
        const OleColor before = *barPlacementFor(percent - 1).colour;
        const OleColor after = *barPlacementFor(percent).colour;
        const int changed = (redOf(before) != redOf(after)) + (greenOf(before) != greenOf(after)) +
                            (blueOf(before) != blueOf(after));
        EXPECT_LE(changed, 1) << percent;
    }
}

} // namespace
