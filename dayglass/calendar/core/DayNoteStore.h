#pragma once

#include "MonthGrid.h"
#include "NoteStorage.h"
#include "OleColor.h"
#include "WriteError.h"
#include "cls_IniFile.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Calendar.ini: one section per annotated day, named by daySectionName(), with
// the note under "Text" (stored form, see NoteText.h) and the colour of the
// day's cell under "Collar" (sic) as a decimal colour value. Every operation
// reads the file anew (a month's reads share one accessor), so the file is
// the only place notes live.

inline constexpr char calendarFileName[] = "Calendar.ini";

// One day as the file holds it.
struct StoredDay {
    std::string note;
    OleColor colour = oleBlack;
    // The file holds a longer note than a read returns (only another program
    // writes one): `note` is its beginning, and saving it would lose the rest.
    bool noteCut = false;

    bool operator==(const StoredDay &) const = default;
};

// An accessor on Calendar.ini in `dataFolder`, for the reads of one handler.
cls_IniFile calendarFileIn(const std::filesystem::path &dataFolder);

// The day's note and colour; a missing file, section or key reads as no note
// on black.
StoredDay readDay(const cls_IniFile &calendar, std::string_view section);

// Lays the note and colour of each day of `grid` over its cell, from one read
// of Calendar.ini in `dataFolder`.
void readMonthNotes(const std::filesystem::path &dataFolder, MonthGrid &grid);

// Empties both keys of the day. The section stays, and reads back exactly like
// a day that was never annotated.
WriteResult clearDaySection(const std::filesystem::path &dataFolder, std::string_view section);

// The note editor's save of one day.
struct DayEdit {
    std::string section;
    std::string editorText;
    OleColor colour = oleBlack;
    // The day as the editor found it when it opened, which the save writes
    // over only while the day still holds it; nothing to write over whatever
    // the day holds.
    std::optional<StoredDay> opened;
};

// The day holds something else than when the editor opened: another window
// or program saved it meanwhile.
struct DayChangedMeanwhile {
    StoredDay now;
};

// Why the editor's save wrote nothing.
using DaySaveRefusal = std::variant<NoteRefusal, DayChangedMeanwhile, WriteError>;

// Writes both keys, whichever of them the user changed: the note in its stored
// form and the colour as decimal text, unless the file could not give the
// note back as typed (see NoteStorage.h) or the day changed since the editor
// opened. The file is read once, judged and written once, all under the
// folder's lock, so that a large calendar costs one read and one write, and
// nothing can change the day between the judgement and the write.
Result<void, DaySaveRefusal> saveEditedDay(const std::filesystem::path &dataFolder,
                                           const DayEdit &edit);

// Whether there is a calendar to delete: a file (or a link to one) of that
// name. A folder of that name is the user's, and no calendar.
bool holdsCalendar(const std::filesystem::path &dataFolder);

// Deletes the whole file, where there is one. When that fails the file is
// left as it was, and the result says why.
WriteResult deleteCalendar(const std::filesystem::path &dataFolder);

// A day of the calendar with what the file holds for it.
struct DayNote {
    std::chrono::year_month_day date;
    StoredDay stored;

    bool operator==(const DayNote &) const = default;
};

// Every day that has a note or a colour other than black, in the order of
// the dates, from one read of the file. Sections whose name is no day's (a
// wrong weekday mark, a hand-made name) are never shown, and are left out.
std::vector<DayNote> readAllNotes(const std::filesystem::path &dataFolder);

// A day's new note, in its stored form.
struct NoteChange {
    std::string section;
    std::string note;

    bool operator==(const NoteChange &) const = default;
};

// Which notes change, worked out from the file as `current` reads it.
using NoteChanges = std::function<std::vector<NoteChange>(const cls_IniFile &current)>;

// Sets the "Text" of many days with one write of the file, which leaves the
// colours as they are. `changes` is asked once on the file as it is read;
// when it changes anything it is asked again on the file as it is under the
// folder's lock, so that nothing another program saved in between is lost,
// and its second answer is written. Nothing is written when it changes
// nothing.
WriteResult saveNotes(const std::filesystem::path &dataFolder, const NoteChanges &changes);
