#pragma once

#include <libical/ical.h>

// libical, opened when the first iCalendar file is read or written. Most runs
// never exchange notes, and a library linked to the program would stay mapped,
// its relocated tables resident, for as long as the window is open.

// The functions of libical that the notes' exchange calls.
#define LIBICAL_FUNCTIONS(X)                                                                       \
    X(icalcomponent_add_component)                                                                 \
    X(icalcomponent_add_property)                                                                  \
    X(icalcomponent_as_ical_string_r)                                                              \
    X(icalcomponent_free)                                                                          \
    X(icalcomponent_get_description)                                                               \
    X(icalcomponent_get_dtend)                                                                     \
    X(icalcomponent_get_dtstart)                                                                   \
    X(icalcomponent_get_first_component)                                                           \
    X(icalcomponent_get_first_property)                                                            \
    X(icalcomponent_get_next_component)                                                            \
    X(icalcomponent_get_next_property)                                                             \
    X(icalcomponent_get_parent)                                                                    \
    X(icalcomponent_get_recurrenceid)                                                              \
    X(icalcomponent_get_status)                                                                    \
    X(icalcomponent_get_summary)                                                                   \
    X(icalcomponent_get_timezone)                                                                  \
    X(icalcomponent_get_uid)                                                                       \
    X(icalcomponent_isa)                                                                           \
    X(icalcomponent_new_vcalendar)                                                                 \
    X(icalcomponent_new_vevent)                                                                    \
    X(icalmemory_free_buffer)                                                                      \
    X(icalparameter_get_tzid)                                                                      \
    X(icalparameter_set_tzid)                                                                      \
    X(icalparser_parse_string)                                                                     \
    X(icalproperty_get_color)                                                                      \
    X(icalproperty_get_dtstart)                                                                    \
    X(icalproperty_get_exdate)                                                                     \
    X(icalproperty_get_first_parameter)                                                            \
    X(icalproperty_get_rdate)                                                                      \
    X(icalproperty_get_rrule)                                                                      \
    X(icalproperty_get_tzoffsetfrom)                                                               \
    X(icalproperty_get_tzoffsetto)                                                                 \
    X(icalproperty_new_color)                                                                      \
    X(icalproperty_new_description)                                                                \
    X(icalproperty_new_dtend)                                                                      \
    X(icalproperty_new_dtstamp)                                                                    \
    X(icalproperty_new_dtstart)                                                                    \
    X(icalproperty_new_prodid)                                                                     \
    X(icalproperty_new_summary)                                                                    \
    X(icalproperty_new_transp)                                                                     \
    X(icalproperty_new_uid)                                                                        \
    X(icalproperty_new_version)                                                                    \
    X(icalproperty_remove_parameter_by_kind)                                                       \
    X(icaltime_as_timet_with_zone)                                                                 \
    X(icaltime_from_timet_with_zone)                                                               \
    X(icaltime_is_null_time)                                                                       \
    X(icaltime_is_utc)                                                                             \
    X(icaltime_is_valid_time)                                                                      \
    X(icaltime_normalize)                                                                          \
    X(icaltime_null_date)                                                                          \
    X(icaltimezone_get_builtin_timezone)                                                           \
    X(icaltimezone_get_component)                                                                  \
    X(icaltimezone_get_utc_timezone)

// The functions, under their own names: `libIcal()->icaltime_normalize(time)`.
struct LibIcal {
#define LIBICAL_POINTER(name) decltype(&::name) name = nullptr;
    LIBICAL_FUNCTIONS(LIBICAL_POINTER)
#undef LIBICAL_POINTER
};

// libical's functions, looked up at the first call; null when the library
// cannot be opened or lacks one of them.
const LibIcal *libIcal();

// The functions, for code that runs only once libIcal() has found them.
inline const LibIcal &ical() {
    return *libIcal();
}

// The file name under which the library is opened, for messages.
inline constexpr const char *libIcalFileName = LIBICAL_SONAME;
