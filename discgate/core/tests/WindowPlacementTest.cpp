#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

LauncherDescription sized(std::int32_t widthPixels, std::int32_t heightPixels, ScreenEdge left,
                          ScreenEdge top) {
    LauncherDescription description;
    description.widthTwips = widthPixels * 15;
    description.heightTwips = heightPixels * 15;
    description.left = left;
    description.top = top;
    return description;
}

constexpr ScreenEdge centred{Placement::Centred, 0};

ScreenEdge at(std::int32_t pixels) {
    return {Placement::AtPosition, pixels * 15};
}

TEST(WindowPlacementTest, PlacesAndCentresTheOuterRectangle) {
    const PixelRect screen{0, 0, 1024, 768};
    const struct {
        LauncherDescription description;
        PixelRect screen;
        PixelRect window;
    } rows[] = {
        {sized(320, 240, at(10), at(20)), screen, {10, 20, 320, 240}},
        {sized(320, 240, at(-5), at(0)), screen, {-5, 0, 320, 240}},
        {sized(320, 240, centred, centred), screen, {352, 264, 320, 240}},
        {sized(321, 241, centred, at(3)), screen, {351, 3, 321, 241}},
        {sized(320, 240, centred, centred), {1920, 100, 1024, 768}, {2272, 364, 320, 240}},
        {sized(2000, 240, centred, at(0)), screen, {-488, 0, 2000, 240}},
        {sized(0, 0, centred, centred), screen, {512, 384, 0, 0}},
        {sized(-50, 10, at(0), at(0)), screen, {0, 0, 0, 10}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(launcherWindowRect(row.description, row.screen), row.window)
            << row.window.x << "," << row.window.y;
}

} // namespace
