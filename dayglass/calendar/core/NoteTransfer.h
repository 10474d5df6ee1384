#pragma once

#include "DataFolder.h"
#include "WriteError.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Export of every day note to an iCalendar file, and import of another
// calendar's events into the notes, as the command line and the CALENDAR
// page offer them.

enum class ExportProblem {
    CalendarTooLarge, // Calendar.ini is larger than any file that is read
    NoLibrary,        // libical cannot be opened
};

struct NotesExport {
    std::string icalendar;
    std::size_t days = 0;
};

// Every day with a note or a colour, from one read of Calendar.ini.
Result<NotesExport, ExportProblem> exportNotes(const DataFolder &dataFolder,
                                               std::chrono::sys_seconds stamp);

// The largest iCalendar file that is read. A year of a busy calendar takes
// a few hundred kilobytes; parsing takes several times a file's size.
inline constexpr std::uintmax_t maximumICalendarSize = 8 * 1024 * 1024;

enum class ImportProblem {
    Unreadable,    // no readable file of that name
    TooLarge,      // larger than maximumICalendarSize
    NotICalendar,  // no iCalendar data
    CutOff,        // iCalendar data that ends before its end
    BadEvent,      // an event without a start that can be read
    TooManyDays,   // more days than maximumImportedDays
    NoLibrary,     // libical cannot be opened
    NotInShiftJis, // a text with characters the Shift-JIS file cannot keep
    NotSaved,      // Calendar.ini could not be written
};

struct ImportedNotes {
    std::size_t changedDays = 0;
    // Days whose note would have grown too long, kept as they were.
    std::vector<std::chrono::year_month_day> leftAlone;
};

// Why nothing was imported.
struct ImportFailure {
    ImportProblem problem = ImportProblem::Unreadable;
    // The bad event's name, or the characters the file cannot keep.
    std::string detail{};
    // The first day that would have got those characters.
    std::optional<std::chrono::year_month_day> day{};
    // Why Calendar.ini was not written, for NotSaved.
    std::optional<WriteError> writeError{};
};

using ImportOutcome = Result<ImportedNotes, ImportFailure>;

// Adds the events of the iCalendar file to the notes of Calendar.ini in
// `dataFolder`, with one write of the file under the folder's lock; on any
// problem nothing is written.
ImportOutcome importNotes(const DataFolder &dataFolder, const std::filesystem::path &icalendarFile);
