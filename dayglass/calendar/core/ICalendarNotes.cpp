#include "ICalendarNotes.h"

#include "AsciiText.h"
#include "CssColourName.h"
#include "LibIcal.h"
#include "NoteText.h"
#include "ZoneNames.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>

using namespace std::chrono;

namespace {

// The most years of one event's occurrences, and of one occurrence's span.
constexpr int maximumEventYears = 10;

// Called only once the public functions below have found the library.
const LibIcal &ical() {
    return *libIcal();
}

// Frees what libical made with the function of the library that `release` names.
template <auto release> struct Release {
    void operator()(auto *made) const { (ical().*release)(made); }
};
using Component = std::unique_ptr<icalcomponent, Release<&LibIcal::icalcomponent_free>>;
using Recurrence = std::unique_ptr<icalrecur_iterator, Release<&LibIcal::icalrecur_iterator_free>>;

icaltimetype icalDate(year_month_day date) {
    icaltimetype value = ical().icaltime_null_date();
    value.year = static_cast<int>(date.year());
    value.month = static_cast<int>(static_cast<unsigned>(date.month()));
    value.day = static_cast<int>(static_cast<unsigned>(date.day()));
    return value;
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

// A floating time, one without a zone, is the local time wherever the file is
// read: the time of day of the zone the program runs in, for the start and
// the end alike.
std::time_t momentOf(const icaltimetype &time) {
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

// Names each zone of the events as libical finds it, or drops the zone of a
// time that names none. libical would look a name the file does not define
// up as a file below the system's zone folder, where "../" leads anywhere, a
// FIFO that never answers included.
void nameZonesFound(icalcomponent *root) {
    std::map<std::string, std::optional<std::string>, std::less<>> found;
    for (icalcomponent *event =
             ical().icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT);
         event; event = ical().icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
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
    }
}

// Spreads the events of one file over the days they cover, within a budget
// of days and recurrence steps.
class EventSpreader {
public:
    explicit EventSpreader(std::size_t budget) : m_budget(budget) {}

    NoteAdditions &additions() { return m_additions; }

    // Keeps the occurrences that other events of the file replace.
    void noteReplacement(icalcomponent *event) {
        const icaltimetype replaced = ical().icalcomponent_get_recurrenceid(event);
        if (!ical().icaltime_is_null_time(replaced))
            m_replaced.push_back({uidText(event), replaced});
    }

    // False when the budget ran out.
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
        std::vector<icaltimetype> starts;
        if (!collectStarts(event, start, limit, starts))
            return false;
        for (const icaltimetype &occurrence : starts) {
            if (isMaster && (isExcluded(event, occurrence) || isReplaced(event, occurrence)))
                continue;
            if (!cover(occurrence))
                return false;
        }
        return true;
    }

private:
    static std::string uidText(icalcomponent *event) {
        const char *uid = ical().icalcomponent_get_uid(event);
        return uid ? uid : "";
    }

    bool spend() {
        if (m_budget == 0)
            return false;
        --m_budget;
        return true;
    }

    // The start of every occurrence: the event's own, those of its rule up
    // to `limit`, and its extra dates.
    bool collectStarts(icalcomponent *event, const icaltimetype &start, const icaltimetype &limit,
                       std::vector<icaltimetype> &starts) {
        starts.push_back(start);
        if (icalproperty *rule =
                ical().icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
            const Recurrence iterator(
                ical().icalrecur_iterator_new(ical().icalproperty_get_rrule(rule), start));
            for (icaltimetype next = iterator ? ical().icalrecur_iterator_next(iterator.get())
                                              : ical().icaltime_null_time();
                 !ical().icaltime_is_null_time(next) && ical().icaltime_compare(next, limit) < 0;
                 next = ical().icalrecur_iterator_next(iterator.get())) {
                if (!spend())
                    return false;
                next.zone = start.zone;
                if (ical().icaltime_compare(next, start) != 0)
                    starts.push_back(next);
            }
        }
        for (icalproperty *extra =
                 ical().icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
             extra; extra = ical().icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype date = ical().icalproperty_get_rdate(extra);
            icaltimetype time =
                ical().icaltime_is_null_time(date.time) ? date.period.start : date.time;
            if (ical().icaltime_is_null_time(time))
                continue;
            if (!spend())
                return false;
            if (!time.zone)
                time.zone = start.zone;
            if (ical().icaltime_compare(time, limit) < 0)
                starts.push_back(time);
        }
        return true;
    }

    bool matches(const icaltimetype &a, const icaltimetype &b) const {
        return m_isDate ? ical().icaltime_compare_date_only(a, b) == 0
                        : ical().icaltime_compare(a, b) == 0;
    }

    bool isExcluded(icalcomponent *event, const icaltimetype &occurrence) const {
        for (icalproperty *excluded =
                 ical().icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY);
             excluded;
             excluded = ical().icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            if (matches(ical().icalproperty_get_exdate(excluded), occurrence))
                return true;
        }
        return false;
    }

    bool isReplaced(icalcomponent *event, const icaltimetype &occurrence) const {
        const std::string uid = uidText(event);
        for (const auto &[replacedUid, time] : m_replaced) {
            if (replacedUid == uid && matches(time, occurrence))
                return true;
        }
        return false;
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
            if (!spend())
                return false;
            std::vector<std::size_t> &texts = m_additions.days[year_month_day{covered}];
            if (texts.empty() || texts.back() != m_text)
                texts.push_back(m_text);
        }
        return true;
    }

    std::size_t m_budget;
    NoteAdditions m_additions;
    std::vector<std::pair<std::string, icaltimetype>> m_replaced;
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

Result<NoteAdditions, ImportFailure> additionsFromICalendar(std::string_view text,
                                                            std::size_t dayLimit) {
    if (!libIcal())
        return Failure{ImportFailure{ImportProblem::NoLibrary}};
    const Component root(ical().icalparser_parse_string(std::string(text).c_str()));
    if (!root || ical().icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT)
        return Failure{ImportFailure{root || !beginsAsICalendar(text) ? ImportProblem::NotICalendar
                                                                      : ImportProblem::CutOff}};
    nameZonesFound(root.get());
    std::optional<ImportFailure> failure;
    EventSpreader spreader(dayLimit);
    const auto eachEvent = [&root](const auto &visit) {
        for (icalcomponent *event =
                 ical().icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT);
             event;
             event = ical().icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
            if (!visit(event))
                return;
        }
    };
    eachEvent([&](icalcomponent *event) {
        spreader.noteReplacement(event);
        return true;
    });
    eachEvent([&](icalcomponent *event) {
        if (ical().icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            return true;
        const icaltimetype start = ical().icalcomponent_get_dtstart(event);
        if (ical().icaltime_is_null_time(start) || !ical().icaltime_is_valid_time(start)) {
            failure = ImportFailure{ImportProblem::BadEvent, nameOf(event)};
            return false;
        }
        if (!spreader.spread(event, start)) {
            failure = ImportFailure{ImportProblem::TooManyDays};
            return false;
        }
        return true;
    });
    if (failure)
        return Failure{std::move(*failure)};
    return std::move(spreader.additions());
}
