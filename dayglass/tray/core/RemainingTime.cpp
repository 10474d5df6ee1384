#include "RemainingTime.h"

#include <array>
#include <cstdlib>

namespace {

constexpr std::size_t shownUnits = 3;

struct UnitLength {
    TimeUnit unit;
    std::int64_t seconds;
};
constexpr std::array<UnitLength, 4> unitLengths = {{{TimeUnit::Day, 86400},
                                                    {TimeUnit::Hour, 3600},
                                                    {TimeUnit::Minute, 60},
                                                    {TimeUnit::Second, 1}}};

} // namespace

RemainingTime remainingTimeOf(const Countdown &countdown) {
    RemainingTime remaining{countdown.state, {}};
    if (countdown.state == CountdownState::Unusable)
        return remaining;
    std::int64_t seconds = std::llabs(countdown.units.back());
    for (const auto &[unit, length] : unitLengths) {
        const std::int64_t count = seconds / length;
        seconds %= length;
        if ((count != 0 || !remaining.parts.empty()) && remaining.parts.size() < shownUnits)
            remaining.parts.push_back({unit, count});
    }
    if (remaining.parts.empty())
        remaining.parts.push_back({TimeUnit::Second, 0});
    return remaining;
}
