#include "Countdown.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

const LocalSeconds periodStart = local_days{2005y / October / 10} + 9h;
const LocalSeconds periodEnd = local_days{2006y / December / 31} + 18h;
const Period period{periodStart, periodEnd};

using Units = std::array<std::int64_t, timeUnitCount>;

struct UnitsRow {
    const char *name;
    seconds left;
    Units expected;
};

TEST(CountdownTest, EachUnitIsTheTruncatedRemainingTime) {
    const UnitsRow rows[] = {
        {"400 days", days{400}, {1, 13, 57, 400, 9600, 576000, 34560000}},
        {"365 days", days{365}, {1, 12, 52, 365, 8760, 525600, 31536000}},
        {"364 days 23:59:59", days{365} - 1s, {0, 12, 52, 364, 8759, 525599, 31535999}},
        {"7 days", days{7}, {0, 0, 1, 7, 168, 10080, 604800}},
        {"1 day", days{1}, {0, 0, 0, 1, 24, 1440, 86400}},
        {"60 s", 60s, {0, 0, 0, 0, 0, 1, 60}},
        {"59 s", 59s, {0, 0, 0, 0, 0, 0, 59}},
        {"1 s", 1s, {0, 0, 0, 0, 0, 0, 1}},
        {"end second", 0s, {0, 0, 0, 0, 0, 0, 0}},
        {"1 s past", -1s, {0, 0, 0, 0, 0, 0, -1}},
        {"half a day past", -12h, {0, 0, 0, 0, -12, -720, -43200}},
        {"a week and a day past", -days{8}, {0, 0, -1, -8, -192, -11520, -691200}},
    };
    for (const UnitsRow &row : rows)
        EXPECT_EQ(countDown(period, periodEnd - row.left).units, row.expected) << row.name;
}

TEST(CountdownTest, StateAndBarFollowTheRemainingShare) {
    const seconds length = periodEnd - periodStart;
    const std::tuple<const char *, LocalSeconds, CountdownState, int, bool> rows[] = {
        {"before the start", periodStart - days{30}, CountdownState::Running, 100, false},
        {"at the start", periodStart, CountdownState::Running, 100, true},
        {"one second in", periodStart + 1s, CountdownState::Running, 100, true},
        {"half way", periodStart + length / 2, CountdownState::Running, 50, true},
        {"last second", periodEnd - 1s, CountdownState::Running, 0, true},
        {"end second", periodEnd, CountdownState::Ended, 0, true},
        {"half the period past", periodEnd + length / 2, CountdownState::Ended, -50, true},
        {"a whole period past", periodEnd + length, CountdownState::Ended, -100, true},
        {"ten periods past", periodEnd + 10 * length, CountdownState::Ended, -100, true},
    };
    for (const auto &[name, now, state, percent, started] : rows) {
        const Countdown countdown = countDown(period, now);
        EXPECT_EQ(countdown.state, state) << name;
        EXPECT_EQ(countdown.barPercent, percent) << name;
        EXPECT_EQ(countdown.started, started) << name;
    }
}

TEST(CountdownTest, PercentRoundsHalvesToEven) {
    // In a period of 200 seconds each second is half a percent.
    const std::tuple<seconds, seconds, int> rows[] = {
        {200s, 101s, 50},  {200s, 103s, 52},   {200s, 1s, 0},      {200s, 3s, 2},
        {200s, 199s, 100}, {200s, -101s, -50}, {200s, -103s, -52}, {300s, 7s, 2},
        {300s, -7s, -2},   {-200s, 5s, -2}, // an end stored before the start
    };
    for (const auto &[length, left, percent] : rows)
        EXPECT_EQ(countDown(Period{periodEnd - length, periodEnd}, periodEnd - left).barPercent,
                  percent)
            << length.count() << " " << left.count();
}

TEST(CountdownTest, DegenerateAndUnusablePeriodsStayCalm) {
    const Period instant{periodEnd, periodEnd};
    EXPECT_EQ(countDown(instant, periodEnd - 10s).state, CountdownState::Running);
    EXPECT_EQ(countDown(instant, periodEnd - 10s).barPercent, 100);
    EXPECT_EQ(countDown(instant, periodEnd).state, CountdownState::Ended);
    EXPECT_EQ(countDown(instant, periodEnd).barPercent, 0);
    EXPECT_EQ(countDown(instant, periodEnd + 10s).barPercent, -100);

    const Countdown unusable = countDown(std::nullopt, periodEnd);
    EXPECT_EQ(unusable.state, CountdownState::Unusable);
    EXPECT_EQ(unusable.units, Units{});
    EXPECT_EQ(unusable.barPercent, 0);

    // A hand-edited period whose end lies before its start.
    const Period reversed{periodEnd, periodStart};
    EXPECT_EQ(countDown(reversed, periodStart - 1s).state, CountdownState::Ended);
    EXPECT_EQ(countDown(reversed, periodStart + 1s).state, CountdownState::Running);
}

TEST(CountdownTest, ExtremePeriodsDoNotOverflow) {
    const Period longest{local_days{0y / January / 1}, local_days{9999y / December / 31}};
    const Countdown atStart = countDown(longest, local_days{0y / January / 1} - days{1});
    EXPECT_EQ(atStart.barPercent, 100);
    EXPECT_EQ(atStart.units[0], 10006); // years
    const Period oneSecond{periodEnd - 1s, periodEnd};
    EXPECT_EQ(countDown(oneSecond, local_days{9999y / December / 31}).barPercent, -100);
}

} // namespace
