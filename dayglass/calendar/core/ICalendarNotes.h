#pragma once

#include "NoteImport.h"
#include "NoteTransfer.h"
#include "Result.h"
#include "StoredDay.h"
#include "WorkBudget.h"

#include <chrono>
#include <string_view>

// Day notes as other calendars take and give them: iCalendar text (RFC 5545),
// read and written through libical.

// One all-day event per day, transparent, with the note's first line as its
// summary, the whole note as its description, the nearest CSS name of the
// day's colour (when it has one) and a UID made of the date, so that a later
// export imported again replaces the events instead of doubling them. A day
// with a colour and no note has the colour's name as its summary and no
// description, which an import takes for no note; one whose colour is the
// desktop's has no event. `stamp` is the moment of the export (DTSTAMP).
Result<NotesExport, ExportProblem> notesToICalendar(const DayNotes &days,
                                                    std::chrono::sys_seconds stamp);

// The most days that the events of one file may cover.
inline constexpr std::size_t maximumImportedDays = 500'000;

// The most steps of work that reading one file may take: the periods, days
// and occurrences of its recurrences, the changes of its time zones, its
// dates and the days it covers. About a second on a debug build.
inline constexpr std::size_t maximumImportWork = 5'000'000;

// The text of every event of the file, on each day it covers in the local
// time zone (a time without a zone is a local time, a zone the file names
// without defining it the system's zone of that IANA or Windows name), any
// part of the event making a day covered: all-day or timed, one-off or
// recurring (its occurrences from its start up to its own end, for ten years
// at most), without the occurrences it excludes or replaces. The text is the
// summary, with the description on the lines after it; a description that
// begins with the summary is taken alone. Cancelled events are left out. A
// file that gives no notes fails as NotICalendar, CutOff, BadEvent (named by
// its summary, or else its UID), TooManyDays, TooMuchWork (named by the event
// at which the work ran out), Cancelled (when `work` was asked to stop) or
// NoLibrary.
Result<NoteAdditions, ImportFailure> additionsFromICalendar(std::string_view text,
                                                            std::size_t dayLimit, WorkBudget &work);
