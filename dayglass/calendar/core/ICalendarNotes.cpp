#include "ICalendarNotes.h"

#include "AsciiText.h"
#include "CssColourName.h"
#include "ICalendarTime.h"
#include "LibIcal.h"
#include "NoteText.h"
#include "ZoneNames.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <unordered_set>

using namespace std::chrono;

namespace {

// The most years of one event's occurrences, and of one occurrence's span.
constexpr int maximumEventYears = 10;

// Frees what libical made with the function of the library that `release` names.
template <auto release> struct Release {
    void operator()(auto *made) const { (ical().*release)(made); }
};
using Component = std::unique_ptr<icalcomponent, Release<&LibIcal::icalcomponent_free>>;

icaltimetype icalDate(year_month_day date) {
    return withWallTime(ical().icaltime_null_date(), local_days{date});
}

year_month_day dateOf(const icaltimetype &time) {
    return year{time.year} / month{static_cast<unsigned>(time.month)} /
           day{static_cast<unsigned>(time.day)};
}

std::string uidOf(year_month_day date) {
    char uid[48];
    std::snprintf(uid, sizeof uid, "%04d%02u%02u@dayglass", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return uid;
}

// The note with a line feed for each line break, as calendars write them.
std::string withLineFeeds(std::string_view note) {
    std::string text;
    for (const std::string_view line : noteLines(note))
        text += '\n' + std::string(line);
    return text.substr(1);
}

// Whether the day gives an event: a note, or a colour that calendars show.
// Black is the cells' own colour, and what a system colour shows is the
// desktop's: neither is a colour the user gave the day.
std::optional<std::string_view> colourNameOf(const StoredDay &day) {
    if (day.colour == oleBlack || isSystemColour(day.colour))
        return std::nullopt;
    return nearestCssColourName(day.colour);
}

icalcomponent *eventOf(year_month_day date, const StoredDay &day, const icaltimetype &stamp) {
    icalcomponent *event = ical().icalcomponent_new_vevent();
    const auto add = [event](icalproperty *property) {
        ical().icalcomponent_add_property(event, property);
    };
    add(ical().icalproperty_new_uid(uidOf(date).c_str()));
    add(ical().icalproperty_new_dtstamp(stamp));
    add(ical().icalproperty_new_dtstart(icalDate(date)));
    add(ical().icalproperty_new_dtend(icalDate(year_month_day{sys_days{date} + days{1}})));
    add(ical().icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    const std::optional<std::string_view> colour = colourNameOf(day);
    // Some calendars stop at an event without a summary (calcurse reads no
    // further) or show it untitled: a day of a colour alone is named by its
    // colour, which an import takes for no note (see eventText).
    if (day.note.empty()) {
        add(ical().icalproperty_new_summary(std::string(*colour).c_str()));
    } else {
        add(ical().icalproperty_new_summary(std::string(firstLine(day.note)).c_str()));
        add(ical().icalproperty_new_description(withLineFeeds(day.note).c_str()));
    }
    if (colour)
        add(ical().icalproperty_new_color(std::string(*colour).c_str()));
    return event;
}

// A text of the file in its stored form, without blanks around it, which a
// read of the note would drop.
std::string storedForm(const char *text) {
    return std::string(trimmed(noteOfLines(text ? text : "")));
}

std::string colourOf(icalcomponent *event) {
    icalproperty *colour = ical().icalcomponent_get_first_property(event, ICAL_COLOR_PROPERTY);
    const char *name = colour ? ical().icalproperty_get_color(colour) : nullptr;
    return name ? name : "";
}

// The note that the event gives. An event named by its colour alone is a day
// that has a colour and no note, as the export writes it.
std::string eventText(icalcomponent *event) {
    const std::string summary = storedForm(ical().icalcomponent_get_summary(event));
    const std::string description = storedForm(ical().icalcomponent_get_description(event));
    if (description.empty() && summary == colourOf(event))
        return {};
    if (summary.empty() || noteBeginsWith(description, summary))
        return description;
    return joinedNotes(summary, description);
}

year_month_day localDay(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
           day{static_cast<unsigned>(local.tm_mday)};
}

icaltimetype yearsLater(icaltimetype time, int years) {
    time.year += years;
    return ical().icaltime_normalize(time);
}

// The name under which libical finds the zone that the file names: the
// file's own zone of that name, else the system's zone of that IANA or
// Windows name. Nothing when there is none: the time is then floating.
std::optional<std::string> zoneFound(icalcomponent *root, const char *name) {
    if (ical().icalcomponent_get_timezone(root, name))
        return name;
    for (std::string &iana : ianaZoneCandidates(name)) {
        if (ical().icaltimezone_get_builtin_timezone(iana.c_str()))
            return std::move(iana);
    }
    return std::nullopt;
}

// Calls `visit` with each event of the calendar, until it returns false.
template <typename Visit> void forEachEvent(icalcomponent *root, const Visit &visit) {
    for (icalcomponent *event =
             ical().icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT);
         event; event = ical().icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
        if (!visit(event))
            return;
    }
}

// Names each zone of the events as libical finds it, or drops the zone of a
// time that names none. libical would look a name the file does not define
// up as a file below the system's zone folder, where "../" leads anywhere, a
// FIFO that never answers included.
void nameZonesFound(icalcomponent *root) {
    std::map<std::string, std::optional<std::string>, std::less<>> found;
    forEachEvent(root, [&](icalcomponent *event) {
        for (icalproperty *property =
                 ical().icalcomponent_get_first_property(event, ICAL_ANY_PROPERTY);
             property;
             property = ical().icalcomponent_get_next_property(event, ICAL_ANY_PROPERTY)) {
            icalparameter *zone =
                ical().icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
            const char *name = zone ? ical().icalparameter_get_tzid(zone) : nullptr;
            if (!name)
                continue;
            auto known = found.find(std::string_view(name));
            if (known == found.end())
                known = found.emplace(name, zoneFound(root, name)).first;
            if (!known->second)
                ical().icalproperty_remove_parameter_by_kind(property, ICAL_TZID_PARAMETER);
            else if (*known->second != name)
                ical().icalparameter_set_tzid(zone, known->second->c_str());
        }
        return true;
    });
}

// Spreads the events of one file over the days they cover, within a budget
// of days and one of work.
class EventSpreader {
public:
    EventSpreader(icalcomponent *root, std::size_t dayBudget, WorkBudget &work)
        : m_days(dayBudget), m_work(work), m_zones(root, work) {}

    NoteAdditions &additions() { return m_additions; }

    // Keeps the occurrences that other events of the file replace.
    void noteReplacement(icalcomponent *event) {
        const icaltimetype replaced = ical().icalcomponent_get_recurrenceid(event);
        if (!ical().icaltime_is_null_time(replaced) && m_work.spend())
            m_replaced[uidText(event)].push_back(replaced);
    }

    // False when a budget ran out.
    bool spread(icalcomponent *event, const icaltimetype &start) {
        std::string text = eventText(event);
        if (text.empty())
            return true;
        m_text = m_additions.texts.size();
        m_additions.texts.push_back(std::move(text));
        const icaltimetype end = ical().icalcomponent_get_dtend(event);
        const icaltimetype limit = yearsLater(start, maximumEventYears);
        m_isDate = start.is_date;
        m_spanDays = 1;
        m_spanSeconds = 0;
        if (!ical().icaltime_is_null_time(end) && m_isDate)
            m_spanDays =
                std::max<long>(1, (sys_days{dateOf(end)} - sys_days{dateOf(start)}).count());
        else if (!ical().icaltime_is_null_time(end))
            m_spanSeconds = std::max<std::time_t>(0, momentOf(end) - momentOf(start));
        const bool isMaster =
            ical().icaltime_is_null_time(ical().icalcomponent_get_recurrenceid(event));
        const std::unordered_set<std::int64_t> excluded =
            isMaster ? exclusionsOf(event) : std::unordered_set<std::int64_t>();
        const std::unordered_set<std::int64_t> *replaced = isMaster ? replacedIn(event) : nullptr;
        const bool ended = forEachStart(event, start, limit, [&](const icaltimetype &occurrence) {
            if (!m_work.spend())
                return false;
            const std::int64_t key = keyOf(occurrence);
            return excluded.contains(key) || (replaced && replaced->contains(key)) ||
                   cover(occurrence);
        });
        return ended && !m_work.exhausted();
    }

private:
    static std::string uidText(icalcomponent *event) {
        const char *uid = ical().icalcomponent_get_uid(event);
        return uid ? uid : "";
    }

    std::time_t momentOf(const icaltimetype &time) { return m_zones.momentOf(time); }

    // Gives `take` the start of every occurrence, as it is found: the
    // event's own, those of its rule up to `limit`, and its extra dates.
    // False when `take` or the budget said no more.
    bool forEachStart(icalcomponent *event, const icaltimetype &start, const icaltimetype &limit,
                      const std::function<bool(const icaltimetype &)> &take) {
        if (!take(start))
            return false;
        icalproperty *rule = ical().icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        const std::optional<RecurrenceRule> repetition =
            rule ? ruleOf(ical().icalproperty_get_rrule(rule),
                          [&](std::time_t moment) { return m_zones.wallTimeAt(moment, start); })
                 : std::nullopt;
        const local_seconds first = wallTimeOf(start);
        bool taken = true;
        if (repetition && (!expandRecurrence(*repetition, first, first, wallTimeOf(limit), m_work,
                                             [&](local_seconds next) {
                                                 taken = next == first ||
                                                         take(withWallTime(start, next));
                                                 return taken;
                                             }) ||
                           !taken))
            return false;
        std::optional<std::int64_t> end;
        for (icalproperty *extra =
                 ical().icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
             extra; extra = ical().icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            if (!m_work.spend())
                return false;
            const icaldatetimeperiodtype date = ical().icalproperty_get_rdate(extra);
            icaltimetype time =
                ical().icaltime_is_null_time(date.time) ? date.period.start : date.time;
            if (ical().icaltime_is_null_time(time))
                continue;
            if (!time.zone)
                time.zone = start.zone;
            if (!end)
                end = keyOf(limit);
            if (keyOf(time) < *end && !take(time))
                return false;
        }
        return true;
    }

    // What an occurrence is matched by: its day for an all-day event, its
    // moment for a timed one.
    std::int64_t keyOf(const icaltimetype &time) {
        return m_isDate ? local_days{dateOf(time)}.time_since_epoch().count() : momentOf(time);
    }

    std::unordered_set<std::int64_t> exclusionsOf(icalcomponent *event) {
        std::unordered_set<std::int64_t> excluded;
        for (icalproperty *exclusion =
                 ical().icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY);
             exclusion && m_work.spend();
             exclusion = ical().icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
            excluded.insert(keyOf(ical().icalproperty_get_exdate(exclusion)));
        return excluded;
    }

    // The occurrences of this event's UID that other events replace, worked
    // out once for its kind of start.
    const std::unordered_set<std::int64_t> *replacedIn(icalcomponent *event) {
        const auto times = m_replaced.find(uidText(event));
        if (times == m_replaced.end())
            return nullptr;
        auto [keys, isNew] = m_replacedKeys.try_emplace({times->first, m_isDate});
        if (isNew) {
            for (const icaltimetype &time : times->second) {
                if (!m_work.spend())
                    break;
                keys->second.insert(keyOf(time));
            }
        }
        return &keys->second;
    }

    bool cover(const icaltimetype &occurrence) {
        // The last second of a span is its last day's: an event that ends at
        // midnight does not cover the next day.
        const std::time_t moment = m_isDate ? 0 : momentOf(occurrence);
        const sys_days first{m_isDate ? dateOf(occurrence) : localDay(moment)};
        sys_days last = first + days{m_spanDays - 1};
        if (!m_isDate && m_spanSeconds > 0)
            last = sys_days{localDay(moment + m_spanSeconds - 1)};
        last = std::min(last, sys_days{year_month_day{first} + years{maximumEventYears}});
        for (sys_days covered = first; covered <= last; covered += days{1}) {
            if (!m_days.spend())
                return false;
            std::vector<std::size_t> &texts = m_additions.days[year_month_day{covered}];
            if (texts.empty() || texts.back() != m_text)
                texts.push_back(m_text);
        }
        return true;
    }

    WorkBudget m_days;
    WorkBudget &m_work;
    FileTimeZones m_zones;
    NoteAdditions m_additions;
    std::map<std::string, std::vector<icaltimetype>> m_replaced;
    std::map<std::pair<std::string, bool>, std::unordered_set<std::int64_t>> m_replacedKeys;
    std::size_t m_text = 0;
    bool m_isDate = false;
    long m_spanDays = 1;
    std::time_t m_spanSeconds = 0;
};

// What names an event in a message: its summary, or else its UID.
std::string nameOf(icalcomponent *event) {
    for (const char *name :
         {ical().icalcomponent_get_summary(event), ical().icalcomponent_get_uid(event)}) {
        if (name && *name)
            return name;
    }
    return {};
}

bool beginsAsICalendar(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return startsWithIgnoringCase(text, "begin:vcalendar");
}

} // namespace

Result<NotesExport, ExportProblem> notesToICalendar(const DayNotes &days, sys_seconds stamp) {
    if (!libIcal())
        return Failure{ExportProblem::NoLibrary};
    const Component calendar(ical().icalcomponent_new_vcalendar());
    ical().icalcomponent_add_property(calendar.get(), ical().icalproperty_new_version("2.0"));
    ical().icalcomponent_add_property(calendar.get(),
                                      ical().icalproperty_new_prodid("-//dayglass//dayglass//JA"));
    const icaltimetype utcStamp = ical().icaltime_from_timet_with_zone(
        stamp.time_since_epoch().count(), 0, ical().icaltimezone_get_utc_timezone());
    std::size_t events = 0;
    for (const auto &[date, day] : days) {
        // A day of a system colour alone holds nothing another calendar shows.
        if (day.note.empty() && !colourNameOf(day))
            continue;
        ical().icalcomponent_add_component(calendar.get(), eventOf(date, day, utcStamp));
        ++events;
    }
    char *text = ical().icalcomponent_as_ical_string_r(calendar.get());
    NotesExport result{text ? text : "", events};
    ical().icalmemory_free_buffer(text);
    return result;
}

Result<NoteAdditions, ImportFailure>
additionsFromICalendar(std::string_view text, std::size_t dayLimit, WorkBudget &work) {
    if (!libIcal())
        return Failure{ImportFailure{ImportProblem::NoLibrary}};
    const Component root(ical().icalparser_parse_string(std::string(text).c_str()));
    if (!root || ical().icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT)
        return Failure{ImportFailure{root || !beginsAsICalendar(text) ? ImportProblem::NotICalendar
                                                                      : ImportProblem::CutOff}};
    nameZonesFound(root.get());
    std::optional<ImportFailure> failure;
    EventSpreader spreader(root.get(), dayLimit, work);
    forEachEvent(root.get(), [&](icalcomponent *event) {
        spreader.noteReplacement(event);
        return true;
    });
    forEachEvent(root.get(), [&](icalcomponent *event) {
        if (ical().icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            return true;
        const icaltimetype start = ical().icalcomponent_get_dtstart(event);
        if (ical().icaltime_is_null_time(start) || !ical().icaltime_is_valid_time(start)) {
            failure = ImportFailure{ImportProblem::BadEvent, nameOf(event)};
            return false;
        }
        if (!spreader.spread(event, start)) {
            failure = work.stopped()     ? ImportFailure{ImportProblem::Cancelled}
                      : work.exhausted() ? ImportFailure{ImportProblem::TooMuchWork, nameOf(event)}
                                         : ImportFailure{ImportProblem::TooManyDays};
            return false;
        }
        return true;
    });
    if (!failure && work.stopped())
        failure = ImportFailure{ImportProblem::Cancelled};
    if (failure)
        return Failure{std::move(*failure)};
    return std::move(spreader.additions());
}
