// The count-down over random periods and moments within the years 0-9999,
// checked against plain whole-second arithmetic: each unit is the remaining
// time truncated toward zero, the state follows the sign of the remaining
// share, and the bar shows that share in percent, rounded half to even.

#include "Countdown.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr std::int64_t day = 86400;
constexpr std::array<std::int64_t, timeUnitCount> unitSeconds = {365 * day, 30 * day, 7 * day, day,
                                                                 3600,      60,       1};

// A moment from 1 January of the year 0 to the end of 9999, often close to
// `near` so that the edges of the period get their share of inputs.
LocalSeconds momentFrom(FuzzedDataProvider &input, LocalSeconds near) {
    using namespace std::chrono;
    static const LocalSeconds first = local_days{year{0} / 1 / 1};
    static const LocalSeconds last = local_days{year{10000} / 1 / 1} - seconds{1};
    if (input.ConsumeBool()) {
        const auto offset = seconds{input.ConsumeIntegralInRange<std::int64_t>(-400, 400)};
        return std::clamp(near + offset, first, last);
    }
    return first + seconds{input.ConsumeIntegralInRange<std::int64_t>(0, (last - first).count())};
}

// Whether `shown` is the whole number nearest to numerator / denominator,
// an exact half going to the even one; the denominator is positive.
bool isRoundedHalfToEven(std::int64_t shown, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t twiceError = 2 * (numerator - shown * denominator);
    if (twiceError == denominator || twiceError == -denominator)
        return shown % 2 == 0;
    return twiceError < denominator && twiceError > -denominator;
}

void checkUnits(const Countdown &countdown, std::int64_t remaining) {
    for (std::size_t unit = 0; unit < timeUnitCount; ++unit) {
        const std::int64_t shown = countdown.units[unit];
        const std::int64_t whole = shown * unitSeconds[unit];
        const bool truncated = remaining >= 0
                                   ? whole <= remaining && remaining < whole + unitSeconds[unit]
                                   : whole >= remaining && remaining > whole - unitSeconds[unit];
        require(truncated && (shown == 0 || (shown > 0) == (remaining > 0)),
                "each unit is the remaining time truncated toward zero");
    }
}

void checkBar(const Countdown &countdown, std::int64_t remaining, std::int64_t length) {
    const int bar = countdown.barPercent;
    if (length == 0) {
        // A period of no length is all before its end and all overrun after.
        require(bar == (remaining > 0    ? 100
                        : remaining == 0 ? 0
                                         : -100),
                "a period of no length shows a full, an empty or a full overrun bar");
        return;
    }
    std::int64_t share = remaining * 100;
    if (length < 0) {
        share = -share;
        length = -length;
    }
    // Beyond a whole period either way the bar is simply full.
    if (bar == 100)
        require(2 * share >= 199 * length, "only a share from 99.5 % on fills the bar");
    else if (bar == -100)
        require(2 * share <= -199 * length, "only an overrun from 99.5 % on fills the bar");
    else
        require(bar > -100 && bar < 100 && isRoundedHalfToEven(bar, share, length),
                "the bar shows the remaining share, rounded half to even");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LocalSeconds start = momentFrom(input, LocalSeconds{});
    const LocalSeconds end = momentFrom(input, start);
    const LocalSeconds now = momentFrom(input, input.ConsumeBool() ? start : end);

    require(countDown(std::nullopt, now).state == CountdownState::Unusable,
            "no period, nothing to count");
    const Countdown countdown = countDown(Period{start, end}, now);
    const std::int64_t remaining = (end - now).count();
    const std::int64_t length = (end - start).count();
    checkUnits(countdown, remaining);

    const bool running = length != 0
                             ? (remaining > 0 && length > 0) || (remaining < 0 && length < 0)
                             : remaining > 0;
    require(countdown.state == (running ? CountdownState::Running : CountdownState::Ended),
            "the period runs while the remaining share is above zero");
    checkBar(countdown, remaining, length);
    return 0;
}
