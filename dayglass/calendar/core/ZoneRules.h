#pragma once

#include "Recurrence.h"

#include <chrono>
#include <map>
#include <optional>
#include <vector>

// A time zone that an iCalendar file defines (VTIMEZONE), its changes worked
// out only for the years asked about. libical expands every part of a zone
// from its first onset to years after today, so a part that changes every
// minute since 1601 ran there for many minutes and ate gigabytes.

// One part of a zone (STANDARD or DAYLIGHT): from each onset on, the clock
// is `offsetTo` ahead of UTC.
struct ZoneObservance {
    std::chrono::seconds offsetFrom{};
    std::chrono::seconds offsetTo{};
    // The first onset, in the wall time before it.
    std::chrono::local_seconds start{};
    std::optional<RecurrenceRule> rule{};
    // Further onsets (RDATE), in the same wall time.
    std::vector<std::chrono::local_seconds> onsets{};
};

class ZoneRules {
public:
    explicit ZoneRules(std::vector<ZoneObservance> observances);

    // The offset in force at `moment`, or nothing once the budget ran out.
    std::optional<std::chrono::seconds> offsetAt(std::chrono::sys_seconds moment,
                                                 WorkBudget &budget);

    // The moment of a wall time of the zone: the earlier one where the clock
    // went back, and by the offset before the change where it jumped ahead.
    std::optional<std::chrono::sys_seconds> momentOf(std::chrono::local_seconds wallTime,
                                                     WorkBudget &budget);

private:
    struct Change {
        std::chrono::sys_seconds moment;
        std::chrono::seconds offset;
    };

    bool countRules(WorkBudget &budget);
    const std::vector<Change> *changesIn(int year, WorkBudget &budget);
    std::optional<std::chrono::seconds> offsetAtStartOf(int year, WorkBudget &budget);

    std::vector<ZoneObservance> m_observances;
    // Before every onset, the clock shows the first part's offset before it.
    std::chrono::seconds m_firstOffset{};
    int m_firstYear = 0;
    std::map<int, std::vector<Change>> m_changes;
    std::map<int, std::chrono::seconds> m_offsetsAtYearStart;
};
