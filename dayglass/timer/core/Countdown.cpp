#include "Countdown.h"

#include <algorithm>

namespace {

constexpr std::int64_t secondsPerDay = 86400;
constexpr std::array<std::int64_t, timeUnitCount> secondsPerUnit = {
    365 * secondsPerDay, 30 * secondsPerDay, 7 * secondsPerDay, secondsPerDay, 3600, 60, 1};

// numerator / denominator rounded to the nearest integer, halves to the even
// neighbour; the denominator must not be 0.
std::int64_t roundHalfToEven(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) { // make it a floor division
        --quotient;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

// The remaining share of the period in percent, rounded. The bar shows
// nothing beyond 100 % either way, so the share is kept within ±100.
int barPercentFor(std::int64_t remaining, std::int64_t length) {
    if (length == 0)
        return remaining > 0 ? 100 : remaining == 0 ? 0 : -100;
    // Periods lie within the years 0-9999, so 100 times any span of them in
    // seconds stays far inside 64 bits.
    return static_cast<int>(
        std::clamp<std::int64_t>(roundHalfToEven(remaining * 100, length), -100, 100));
}

} // namespace

Countdown countDown(const std::optional<Period> &period, LocalSeconds now) {
    Countdown countdown;
    if (!period)
        return countdown;
    const std::int64_t remaining = (period->end - now).count();
    const std::int64_t length = (period->end - period->start).count();
    for (std::size_t unit = 0; unit < timeUnitCount; ++unit)
        countdown.units[unit] = remaining / secondsPerUnit[unit];
    // The remaining share of the period decides: positive while running, so a
    // period stored with its end before its start counts as ended before its
    // end and as running after it.
    const bool running = remaining != 0 && (remaining > 0) == (length >= 0);
    countdown.state = running ? CountdownState::Running : CountdownState::Ended;
    countdown.barPercent = barPercentFor(remaining, length);
    countdown.started = now >= period->start;
    return countdown;
}
