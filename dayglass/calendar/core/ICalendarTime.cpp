#include "ICalendarTime.h"

#include "AsciiText.h"

#include <cstdlib>

using namespace std::chrono;

namespace {

// The end of a rule (UNTIL): a date ends with its day, a time is the wall
// time it gives in the zone of the rule's start.
std::optional<local_seconds> untilOf(const icaltimetype &until, const WallTimeAt &wallTimeAt) {
    if (ical().icaltime_is_null_time(until))
        return std::nullopt;
    if (until.is_date)
        return wallTimeOf(until) + days{1} - seconds{1};
    if (ical().icaltime_is_utc(until))
        return wallTimeAt(wallTimeOf(until).time_since_epoch().count());
    return wallTimeOf(until);
}

// The values of one BY part, which libical ends with a mark unless full.
template <std::size_t size> std::vector<int> valuesOf(const short (&values)[size]) {
    std::vector<int> taken;
    for (std::size_t at = 0; at < size && values[at] != ICAL_RECURRENCE_ARRAY_MAX; ++at)
        taken.push_back(values[at]);
    return taken;
}

} // namespace

local_seconds wallTimeOf(const icaltimetype &time) {
    return local_days{year{time.year} / month{static_cast<unsigned>(time.month)} /
                      day{static_cast<unsigned>(time.day)}} +
           hours{time.hour} + minutes{time.minute} + seconds{time.second};
}

icaltimetype withWallTime(icaltimetype time, local_seconds wallTime) {
    const local_days day = floor<days>(wallTime);
    const year_month_day date{day};
    const hh_mm_ss<seconds> clock{wallTime - day};
    time.year = static_cast<int>(date.year());
    time.month = static_cast<int>(unsigned{date.month()});
    time.day = static_cast<int>(unsigned{date.day()});
    if (!time.is_date) {
        time.hour = static_cast<int>(clock.hours().count());
        time.minute = static_cast<int>(clock.minutes().count());
        time.second = static_cast<int>(clock.seconds().count());
    }
    return time;
}

std::optional<RecurrenceRule> ruleOf(const icalrecurrencetype &read, const WallTimeAt &wallTimeAt) {
    if (read.freq == ICAL_NO_RECURRENCE ||
        (read.rscale && asciiLowered(read.rscale) != "gregorian"))
        return std::nullopt;
    RecurrenceRule rule;
    rule.frequency = static_cast<Frequency>(read.freq);
    rule.interval = read.interval;
    if (read.count > 0)
        rule.count = read.count;
    rule.until = untilOf(read.until, wallTimeAt);
    rule.months = valuesOf(read.by_month);
    rule.monthDays = valuesOf(read.by_month_day);
    rule.yearDays = valuesOf(read.by_year_day);
    rule.weekNumbers = valuesOf(read.by_week_no);
    rule.hours = valuesOf(read.by_hour);
    rule.minutes = valuesOf(read.by_minute);
    rule.seconds = valuesOf(read.by_second);
    rule.setPositions = valuesOf(read.by_set_pos);
    // libical writes a weekday as its number from Sunday = 1, plus eight
    // times its place.
    for (const int encoded : valuesOf(read.by_day)) {
        const int weekdayNumber = std::abs(encoded) % 8;
        if (weekdayNumber >= 1)
            rule.weekdays.push_back(
                {weekday{static_cast<unsigned>(weekdayNumber - 1)},
                 (std::abs(encoded) - weekdayNumber) / 8 * (encoded < 0 ? -1 : 1)});
    }
    if (read.week_start != ICAL_NO_WEEKDAY)
        rule.weekStart = weekday{static_cast<unsigned>(read.week_start - 1)};
    return rule;
}

std::time_t FileTimeZones::momentOf(const icaltimetype &time) {
    if (ZoneRules *rules = definedZone(time.zone)) {
        const std::optional<sys_seconds> moment = rules->momentOf(wallTimeOf(time), m_work);
        return moment ? moment->time_since_epoch().count() : 0;
    }
    if (time.zone || ical().icaltime_is_utc(time))
        return ical().icaltime_as_timet_with_zone(time, time.zone);
    std::tm local{};
    local.tm_year = time.year - 1900;
    local.tm_mon = time.month - 1;
    local.tm_mday = time.day;
    local.tm_hour = time.hour;
    local.tm_min = time.minute;
    local.tm_sec = time.second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

local_seconds FileTimeZones::wallTimeAt(std::time_t moment, const icaltimetype &time) {
    const sys_seconds utc{seconds{moment}};
    if (ZoneRules *rules = definedZone(time.zone)) {
        const std::optional<seconds> offset = rules->offsetAt(utc, m_work);
        return local_seconds{(utc + offset.value_or(seconds{})).time_since_epoch()};
    }
    if (!time.zone) {
        std::tm local{};
        localtime_r(&moment, &local);
        return local_days{year{local.tm_year + 1900} /
                          month{static_cast<unsigned>(local.tm_mon + 1)} /
                          day{static_cast<unsigned>(local.tm_mday)}} +
               hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
    }
    return wallTimeOf(
        ical().icaltime_from_timet_with_zone(moment, 0, const_cast<icaltimezone *>(time.zone)));
}

ZoneRules *FileTimeZones::definedZone(const icaltimezone *zone) {
    if (!zone || zone == ical().icaltimezone_get_utc_timezone())
        return nullptr;
    const auto known = m_zones.find(zone);
    if (known != m_zones.end())
        return known->second ? &*known->second : nullptr;
    icalcomponent *definition = ical().icaltimezone_get_component(const_cast<icaltimezone *>(zone));
    std::optional<ZoneRules> &rules = m_zones[zone];
    if (definition && ical().icalcomponent_get_parent(definition) == m_root)
        rules.emplace(observancesOf(definition));
    return rules ? &*rules : nullptr;
}

std::vector<ZoneObservance> FileTimeZones::observancesOf(icalcomponent *zone) {
    std::vector<ZoneObservance> observances;
    for (icalcomponent *part = ical().icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT);
         part; part = ical().icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
        if (!m_work.spend())
            break;
        const icalcomponent_kind kind = ical().icalcomponent_isa(part);
        icalproperty *from =
            ical().icalcomponent_get_first_property(part, ICAL_TZOFFSETFROM_PROPERTY);
        icalproperty *to = ical().icalcomponent_get_first_property(part, ICAL_TZOFFSETTO_PROPERTY);
        icalproperty *start = ical().icalcomponent_get_first_property(part, ICAL_DTSTART_PROPERTY);
        if ((kind != ICAL_XSTANDARD_COMPONENT && kind != ICAL_XDAYLIGHT_COMPONENT) || !to || !start)
            continue;
        ZoneObservance observance;
        observance.offsetTo = seconds{ical().icalproperty_get_tzoffsetto(to)};
        observance.offsetFrom =
            from ? seconds{ical().icalproperty_get_tzoffsetfrom(from)} : observance.offsetTo;
        observance.start = wallTimeOf(ical().icalproperty_get_dtstart(start));
        if (icalproperty *rule = ical().icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY))
            observance.rule = ruleOf(ical().icalproperty_get_rrule(rule), [&](std::time_t moment) {
                return local_seconds{seconds{moment} + observance.offsetFrom};
            });
        for (icalproperty *extra =
                 ical().icalcomponent_get_first_property(part, ICAL_RDATE_PROPERTY);
             extra && m_work.spend();
             extra = ical().icalcomponent_get_next_property(part, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype date = ical().icalproperty_get_rdate(extra);
            observance.onsets.push_back(wallTimeOf(
                ical().icaltime_is_null_time(date.time) ? date.period.start : date.time));
        }
        observances.push_back(std::move(observance));
    }
    return observances;
}
