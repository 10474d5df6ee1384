#pragma once

#include "Countdown.h"

#include <cstdint>
#include <vector>

enum class TimeUnit { Day, Hour, Minute, Second };

struct TimePart {
    TimeUnit unit;
    std::int64_t count;

    bool operator==(const TimePart &) const = default;
};

// The time left, or after the end the overrun, as the tray's tooltip names it:
// from the largest unit that is not zero, up to three units one after the
// other, each the part of the time within the next larger unit, as 12 days 3
// hours 4 minutes. Zero seconds at the very end second; nothing without a period.
struct RemainingTime {
    CountdownState state = CountdownState::Unusable;
    std::vector<TimePart> parts;

    bool operator==(const RemainingTime &) const = default;
};

RemainingTime remainingTimeOf(const Countdown &countdown);
