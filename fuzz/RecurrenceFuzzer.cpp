// Recurrence rules and time zones made from any bytes, with values a little
// past what each part allows: every expansion ends within its budget of
// steps, gives its occurrences in order within its bounds, and gives the same
// ones when it begins later, as the time zones begin it at the years asked
// about. A zone's offset at a moment is the one of its last change before,
// found by expanding each part from its first onset.

#include "FuzzCheck.h"
#include "ZoneRules.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace std::chrono;

namespace {

// The steps each expansion may take: some ten thousand days of a rule,
// and well within libFuzzer's timeout on a busy machine.
constexpr std::size_t budgetSteps = 100'000;

std::vector<int> valuesOf(FuzzedDataProvider &data, int lowest, int highest) {
    std::vector<int> values(data.ConsumeIntegralInRange(0, 3));
    for (int &value : values)
        value = data.ConsumeIntegralInRange(lowest, highest);
    return values;
}

local_seconds momentBetween(FuzzedDataProvider &data, int firstYear, int lastYear) {
    const local_seconds first{local_days{year{firstYear} / January / 1}};
    const local_seconds last{local_days{year{lastYear} / January / 1}};
    return first + seconds{data.ConsumeIntegralInRange<long long>(0, (last - first).count())};
}

RecurrenceRule ruleOf(FuzzedDataProvider &data, local_seconds start) {
    RecurrenceRule rule;
    rule.frequency = static_cast<Frequency>(data.ConsumeIntegralInRange(0, 6));
    rule.interval = data.ConsumeBool() ? 1 : data.ConsumeIntegralInRange(1, 400);
    if (data.ConsumeBool())
        rule.count = data.ConsumeIntegralInRange(1, 300);
    if (data.ConsumeBool())
        rule.until = start + seconds{data.ConsumeIntegralInRange(-86'400, 400'000'000)};
    rule.months = valuesOf(data, -1, 13);
    rule.monthDays = valuesOf(data, -32, 32);
    rule.yearDays = valuesOf(data, -367, 367);
    rule.weekNumbers = valuesOf(data, -54, 54);
    for (int day : valuesOf(data, 0, 6))
        rule.weekdays.push_back(
            {weekday{static_cast<unsigned>(day)}, data.ConsumeIntegralInRange(-6, 6)});
    rule.hours = valuesOf(data, -1, 24);
    rule.minutes = valuesOf(data, -1, 60);
    rule.seconds = valuesOf(data, -1, 60);
    rule.setPositions = valuesOf(data, -30, 30);
    rule.weekStart = weekday{data.ConsumeIntegralInRange(0u, 6u)};
    return rule;
}

std::optional<std::vector<local_seconds>> expanded(const RecurrenceRule &rule, local_seconds start,
                                                   local_seconds from, local_seconds before,
                                                   std::size_t steps) {
    WorkBudget budget(steps);
    std::vector<local_seconds> occurrences;
    const bool ended = expandRecurrence(rule, start, from, before, budget, [&](local_seconds time) {
        occurrences.push_back(time);
        return true;
    });
    require(budget.spent() <= steps, "an expansion spends no more than its budget");
    return ended ? std::optional(occurrences) : std::nullopt;
}

void checkRule(FuzzedDataProvider &data) {
    const local_seconds start = momentBetween(data, 1990, 2030);
    const RecurrenceRule rule = ruleOf(data, start);
    const local_seconds from = start + seconds{data.ConsumeIntegralInRange(0, 100'000'000)};
    const local_seconds before = from + seconds{data.ConsumeIntegralInRange(0, 100'000'000)};
    const auto all = expanded(rule, start, start, before, budgetSteps);
    if (!all)
        return;
    for (std::size_t at = 0; at < all->size(); ++at) {
        const local_seconds time = (*all)[at];
        require(at == 0 || (*all)[at - 1] < time, "occurrences come in order, each once");
        require(time >= start && time < before, "occurrences lie within their bounds");
        require(!rule.until || time <= *rule.until, "no occurrence comes after the end");
    }
    require(!rule.count || static_cast<long long>(all->size()) <= *rule.count,
            "no more occurrences than counted");
    if (rule.count)
        return;
    const auto later = expanded(rule, start, from, before, budgetSteps);
    require(later.has_value(), "beginning later takes no more work");
    std::vector<local_seconds> tail;
    std::copy_if(all->begin(), all->end(), std::back_inserter(tail),
                 [&](local_seconds time) { return time >= from; });
    require(*later == tail, "beginning later gives the same occurrences");
}

void checkZone(FuzzedDataProvider &data) {
    std::vector<ZoneObservance> observances(data.ConsumeIntegralInRange(1, 3));
    for (ZoneObservance &observance : observances) {
        observance.offsetFrom = minutes{15 * data.ConsumeIntegralInRange(-56, 56)};
        observance.offsetTo = minutes{15 * data.ConsumeIntegralInRange(-56, 56)};
        observance.start = momentBetween(data, 1900, 2030);
        if (data.ConsumeBool())
            observance.rule = ruleOf(data, observance.start);
        for (int extra = data.ConsumeIntegralInRange(0, 3); extra > 0; --extra)
            observance.onsets.push_back(momentBetween(data, 1900, 2035));
    }
    const sys_seconds moment{momentBetween(data, 1990, 2035).time_since_epoch()};
    ZoneRules zone(observances);
    WorkBudget budget(budgetSteps);
    const std::optional<seconds> offset = zone.offsetAt(moment, budget);
    require(budget.spent() <= budgetSteps, "a zone spends no more than its budget");
    if (!offset)
        return;
    // The last change at or before the moment, the later part where two
    // change at once; before every change, the offset before the first part.
    std::optional<std::pair<sys_seconds, std::size_t>> last;
    std::size_t first = 0;
    for (std::size_t index = 0; index < observances.size(); ++index) {
        const ZoneObservance &observance = observances[index];
        const auto utcStart = [&](std::size_t at) {
            return observances[at].start - observances[at].offsetFrom;
        };
        if (utcStart(index) < utcStart(first))
            first = index;
        std::vector<local_seconds> onsets = observance.onsets;
        onsets.push_back(observance.start);
        if (observance.rule) {
            const auto ruled = expanded(
                *observance.rule, observance.start, observance.start,
                local_seconds{(moment + observance.offsetFrom).time_since_epoch()} + seconds{1},
                budgetSteps);
            if (!ruled)
                return;
            onsets.insert(onsets.end(), ruled->begin(), ruled->end());
        }
        for (const local_seconds onset : onsets) {
            const sys_seconds at{(onset - observance.offsetFrom).time_since_epoch()};
            if (at <= moment && (!last || std::pair(at, index) > *last))
                last = std::pair(at, index);
        }
    }
    require(*offset == (last ? observances[last->second].offsetTo : observances[first].offsetFrom),
            "the offset is the one of the last change before");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    if (data.ConsumeBool())
        checkRule(data);
    else
        checkZone(data);
    return 0;
}
