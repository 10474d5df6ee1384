#pragma once

#include "DayNoteStore.h"
#include "NoteImport.h"
#include "Result.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Day notes as other calendars take and give them: iCalendar text (RFC 5545),
// read and written through libical.

enum class ICalendarProblem {
    NotICalendar, // the text is no iCalendar data at all
    CutOff,       // it begins as iCalendar data but ends before its end
    BadEvent,     // an event has no start that can be read
    TooManyDays,  // its events cover more days than are taken from one file
    NoLibrary,    // libical cannot be opened (the one failure of an export)
};

// One all-day event per day, transparent, with the note's first line as its
// summary, the whole note as its description, the nearest CSS name of the
// day's colour (when it has one) and a UID made of the date, so that a later
// export imported again replaces the events instead of doubling them.
// `stamp` is the moment of the export (DTSTAMP).
Result<std::string, ICalendarProblem> notesToICalendar(const std::vector<DayNote> &days,
                                                       std::chrono::sys_seconds stamp);

// Why a file gives no notes.
struct ICalendarFailure {
    ICalendarProblem problem = ICalendarProblem::NotICalendar;
    // What the problem concerns: the summary (or UID) of a bad event.
    std::string detail;
};

// The most days, and steps of a recurrence, that the events of one file may
// cover, so that a rule repeating every second costs bounded time and memory.
inline constexpr std::size_t maximumImportedDays = 500'000;

// The text of every event of the file, on each day it covers in the local
// time zone: all-day or timed, one-off or recurring (its occurrences from its
// start up to its own end, for ten years at most), without the occurrences it
// excludes or replaces. The text is the summary, with the description on the
// lines after it; a description that begins with the summary is taken alone.
// Cancelled events are left out.
Result<NoteAdditions, ICalendarFailure>
additionsFromICalendar(std::string_view text, std::size_t dayLimit = maximumImportedDays);
