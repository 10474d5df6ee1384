#include "RemainingTime.h"
#include "TrayPicture.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

const LocalSeconds end = local_days{2006y / March / 5} + 9h;

RemainingTime remaining(CountdownState state, std::vector<TimePart> parts) {
    return {state, std::move(parts)};
}

// The tooltip's time from the largest unit that is not zero, three units at
// most, each within the next larger one; the overrun likewise.
TEST(TrayValuesTest, RemainingTimeStartsAtTheLargestUnitThatIsNotZero) {
    using enum TimeUnit;
    using enum CountdownState;
    const std::pair<LocalSeconds, RemainingTime> rows[] = {
        {end - (days{12} + 3h + 4min + 5s),
         remaining(Running, {{Day, 12}, {Hour, 3}, {Minute, 4}})},
        {end - (days{400} + 4min), remaining(Running, {{Day, 400}, {Hour, 0}, {Minute, 4}})},
        {end - (3h + 7s), remaining(Running, {{Hour, 3}, {Minute, 0}, {Second, 7}})},
        {end - 59s, remaining(Running, {{Second, 59}})},
        {end, remaining(Ended, {{Second, 0}})},
        {end + 90s, remaining(Ended, {{Minute, 1}, {Second, 30}})},
    };
    for (const auto &[now, expected] : rows)
        EXPECT_EQ(remainingTimeOf(countDown(Period{end - days{500}, end}, now)), expected)
            << (now - end).count();
    EXPECT_EQ(remainingTimeOf(countDown(std::nullopt, end)), RemainingTime{});
}

// The bar's colour at the share still to run, red and full after the end, the
// program's icon without a period.
TEST(TrayValuesTest, PictureIsTheBarInItsColour) {
    const std::pair<std::optional<Period>, TrayPicture> rows[] = {
        {std::nullopt, TrayPicture{}},
        {Period{end, end + 1000s}, {TrayPictureKind::Bar, oleColor(0, 0, 255), 100}},
        {Period{end - 500s, end + 500s}, {TrayPictureKind::Bar, oleColor(0, 255, 0), 50}},
        {Period{end - 999s, end + 1s}, {TrayPictureKind::Bar, oleRed, 0}},
        {Period{end - 1000s, end}, {TrayPictureKind::Bar, oleRed, 100}},
        {Period{end - 2000s, end - 1000s}, {TrayPictureKind::Bar, oleRed, 100}},
    };
    for (const auto &[shown, expected] : rows)
        EXPECT_EQ(trayPictureFor(countDown(shown, end)), expected);
}

} // namespace
