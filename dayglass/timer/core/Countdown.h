#pragma once

#include "Period.h"

#include <array>
#include <cstdint>
#include <optional>

// The units of the count-down column: years, months, weeks, days, hours,
// minutes and seconds.
inline constexpr std::size_t timeUnitCount = 7;

enum class CountdownState {
    Running, // before the end, including the time before the start
    Ended,   // from the end second on
    Unusable // Data.ini holds no usable period
};

// What one tick shows: the whole remaining time in each unit (each a
// truncation of the remaining whole seconds, negative after the end), the
// state, the percentage handed to the bar, and whether the period has begun.
struct Countdown {
    std::array<std::int64_t, timeUnitCount> units{};
    CountdownState state = CountdownState::Unusable;
    int barPercent = 0;
    bool started = false;

    bool operator==(const Countdown &) const = default;
};

// Counts down from `now` to the period's end in exact whole seconds.
//
// While running, the bar gets the remaining share of the period in percent,
// rounded half to even and at most 100; after the end, the overrun as a
// negative share. A period whose end is its start runs, with a full bar,
// until its end second, which shows an empty bar; any later moment is an
// overrun longer than the period, a full red bar.
Countdown countDown(const std::optional<Period> &period, LocalSeconds now);
