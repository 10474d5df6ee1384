#include "ZoneRules.h"

#include <algorithm>
#include <utility>

using namespace std::chrono;

namespace {

int yearOf(sys_seconds moment) {
    return static_cast<int>(year_month_day{floor<days>(moment)}.year());
}

sys_seconds asUtc(local_seconds wallTime) {
    return sys_seconds{wallTime.time_since_epoch()};
}

} // namespace

ZoneRules::ZoneRules(std::vector<ZoneObservance> observances)
    : m_observances(std::move(observances)) {
    // The offset before every change is the one before the first part's
    // start; no change comes before the earliest onset of any part.
    std::optional<sys_seconds> firstStart;
    std::optional<sys_seconds> firstOnset;
    for (ZoneObservance &observance : m_observances) {
        std::sort(observance.onsets.begin(), observance.onsets.end());
        const sys_seconds start = asUtc(observance.start) - observance.offsetFrom;
        if (!firstStart || start < *firstStart) {
            firstStart = start;
            m_firstOffset = observance.offsetFrom;
        }
        sys_seconds earliest = start;
        if (!observance.onsets.empty())
            earliest = std::min(earliest, asUtc(observance.onsets.front()) - observance.offsetFrom);
        firstOnset = firstOnset ? std::min(*firstOnset, earliest) : earliest;
    }
    m_firstYear = firstOnset ? yearOf(*firstOnset) : 0;
}

bool ZoneRules::countRules(WorkBudget &budget) {
    // A counted rule is counted from its start, once, and then kept as the
    // onsets it gives.
    for (ZoneObservance &observance : m_observances) {
        if (!observance.rule || !observance.rule->count)
            continue;
        const RecurrenceRule counted = *std::exchange(observance.rule, std::nullopt);
        if (!expandRecurrence(counted, observance.start, observance.start, local_seconds::max(),
                              budget, [&](local_seconds onset) {
                                  observance.onsets.push_back(onset);
                                  return true;
                              }))
            return false;
        std::sort(observance.onsets.begin(), observance.onsets.end());
    }
    return true;
}

const std::vector<ZoneRules::Change> *ZoneRules::changesIn(int year, WorkBudget &budget) {
    if (const auto known = m_changes.find(year); known != m_changes.end())
        return &known->second;
    if (!countRules(budget))
        return nullptr;
    // The wall times around the year: an offset, of two digits of hours,
    // moves a wall time by less than five days.
    const local_seconds from{local_days{std::chrono::year{year} / January / 1} - days{5}};
    const local_seconds before{local_days{std::chrono::year{year + 1} / January / 1} + days{5}};
    std::vector<Change> changes;
    for (ZoneObservance &observance : m_observances) {
        if (!budget.spend())
            return nullptr;
        std::vector<local_seconds> onsets;
        const auto take = [&](local_seconds onset) {
            if (onset >= from && onset < before)
                onsets.push_back(onset);
            return true;
        };
        take(observance.start);
        for (auto onset =
                 std::lower_bound(observance.onsets.begin(), observance.onsets.end(), from);
             onset != observance.onsets.end() && *onset < before; ++onset) {
            if (!budget.spend())
                return nullptr;
            onsets.push_back(*onset);
        }
        if (observance.rule &&
            !expandRecurrence(*observance.rule, observance.start, from, before, budget, take))
            return nullptr;
        for (const local_seconds onset : onsets) {
            const sys_seconds moment = asUtc(onset) - observance.offsetFrom;
            if (yearOf(moment) == year)
                changes.push_back({moment, observance.offsetTo});
        }
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Change &a, const Change &b) { return a.moment < b.moment; });
    return &m_changes.emplace(year, std::move(changes)).first->second;
}

std::optional<seconds> ZoneRules::offsetAtStartOf(int year, WorkBudget &budget) {
    // Back through the years without a change, to the last change before.
    std::vector<int> passed;
    std::optional<seconds> offset;
    for (int earlier = year - 1; !offset; --earlier) {
        if (const auto known = m_offsetsAtYearStart.find(earlier + 1);
            known != m_offsetsAtYearStart.end()) {
            offset = known->second;
        } else if (earlier < m_firstYear) {
            offset = m_firstOffset;
        } else {
            const std::vector<Change> *changes = changesIn(earlier, budget);
            if (!changes)
                return std::nullopt;
            passed.push_back(earlier + 1);
            if (!changes->empty())
                offset = changes->back().offset;
        }
    }
    for (const int passedYear : passed)
        m_offsetsAtYearStart[passedYear] = *offset;
    return offset;
}

std::optional<seconds> ZoneRules::offsetAt(sys_seconds moment, WorkBudget &budget) {
    const int year = yearOf(moment);
    const std::vector<Change> *changes = changesIn(year, budget);
    if (!changes)
        return std::nullopt;
    const auto after = std::upper_bound(
        changes->begin(), changes->end(), moment,
        [](sys_seconds value, const Change &change) { return value < change.moment; });
    if (after != changes->begin())
        return std::prev(after)->offset;
    return offsetAtStartOf(year, budget);
}

std::optional<sys_seconds> ZoneRules::momentOf(local_seconds wallTime, WorkBudget &budget) {
    const sys_seconds asIfUtc = asUtc(wallTime);
    const std::optional<seconds> guess = offsetAt(asIfUtc, budget);
    const std::optional<seconds> offset = guess ? offsetAt(asIfUtc - *guess, budget) : guess;
    // The offset a day before, which differs where the clock went back or jumped.
    const std::optional<seconds> before =
        offset ? offsetAt(asIfUtc - *offset - days{1}, budget) : offset;
    if (!before)
        return std::nullopt;
    const auto holds = [&](seconds candidate) -> std::optional<bool> {
        const std::optional<seconds> there = offsetAt(asIfUtc - candidate, budget);
        return there ? std::optional(*there == candidate) : std::nullopt;
    };
    const std::optional<bool> earlier = holds(*before);
    const std::optional<bool> later = holds(*offset);
    if (!earlier || !later)
        return std::nullopt;
    const sys_seconds byBefore = asIfUtc - *before;
    const sys_seconds byOffset = asIfUtc - *offset;
    if (*later && (!*earlier || byOffset < byBefore))
        return byOffset;
    return byBefore;
}
