#pragma once

#include "DataFolder.h"
#include "NoteImport.h"
#include "WriteError.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stop_token>
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
    // The days it holds.
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
    TooMuchWork,   // more work than maximumImportWork
    Cancelled,     // stopped from outside before anything was written
    NoLibrary,     // libical cannot be opened
    NotInShiftJis, // a text with characters the Shift-JIS file cannot keep
    NotSaved,      // Calendar.ini could not be written
};

struct ImportedNotes {
    std::size_t changedDays = 0;
    // Texts that some days did not take, as their notes would have grown too
    // long; their notes stay as they were, or take the other texts.
    std::vector<TextLeftOut> leftOut;
};

// Why nothing was imported.
struct ImportFailure {
    ImportProblem problem = ImportProblem::Unreadable;
    // The bad event's name, or the event at which the work ran out.
    std::string detail{};
    // The characters that the file cannot keep, for NotInShiftJis.
    std::vector<UnstorableCharacters> unstorable{};
    // Why Calendar.ini was not written, for NotSaved.
    std::optional<WriteError> writeError{};
};

using ImportOutcome = Result<ImportedNotes, ImportFailure>;

// The texts of the iCalendar file's events on the days they cover, worked
// out within maximumImportWork steps; Cancelled once `stop` is asked.
Result<NoteAdditions, ImportFailure> readICalendarFile(const std::filesystem::path &icalendarFile,
                                                       std::stop_token stop = {});

// Adds the texts to the notes of Calendar.ini in `dataFolder`, with one
// write of the file under the folder's lock; on any problem, and when `stop`
// is asked before the write, nothing is written.
ImportOutcome addNotes(const DataFolder &dataFolder, const NoteAdditions &additions,
                       UnstorableChoice choice, std::stop_token stop = {});

// The two above, one after the other.
ImportOutcome importNotes(const DataFolder &dataFolder, const std::filesystem::path &icalendarFile,
                          UnstorableChoice choice = UnstorableChoice::Refuse);
