#pragma once

#include "LibIcal.h"
#include "Recurrence.h"
#include "ZoneRules.h"

#include <chrono>
#include <ctime>
#include <functional>
#include <map>
#include <optional>

// The times, rules and time zones of an iCalendar file as the calendar's own
// expansion takes them: a time as the wall time it shows, a rule as a
// RecurrenceRule, a zone the file defines as ZoneRules.

// The wall time that a time of the file shows, whatever its zone.
std::chrono::local_seconds wallTimeOf(const icaltimetype &time);

// `time` moved to another wall time of its own zone.
icaltimetype withWallTime(icaltimetype time, std::chrono::local_seconds wallTime);

// The wall time that a moment gives in the zone of a rule's start.
using WallTimeAt = std::function<std::chrono::local_seconds(std::time_t)>;

// A rule as libical reads it; nothing for a calendar other than the
// Gregorian one (RSCALE), whose dates the expansion does not know.
std::optional<RecurrenceRule> ruleOf(const icalrecurrencetype &read, const WallTimeAt &wallTimeAt);

// The time zones of one file. Those it defines are worked out by ZoneRules,
// within the budget, for the years its events need; libical would expand
// every one over centuries. A zone the file only names is the system's.
class FileTimeZones {
public:
    FileTimeZones(icalcomponent *root, WorkBudget &work) : m_root(root), m_work(work) {}

    // The moment of a time of the file; once the budget has run out, any
    // moment, as the import ends then. A floating time, one without a zone,
    // is the local time wherever the file is read: the time of day of the
    // zone the program runs in.
    std::time_t momentOf(const icaltimetype &time);

    // The wall time of `moment` in the zone of `time`, the local one for a
    // floating time.
    std::chrono::local_seconds wallTimeAt(std::time_t moment, const icaltimetype &time);

private:
    ZoneRules *definedZone(const icaltimezone *zone);
    std::vector<ZoneObservance> observancesOf(icalcomponent *zone);

    icalcomponent *const m_root;
    WorkBudget &m_work;
    std::map<const icaltimezone *, std::optional<ZoneRules>> m_zones;
};
