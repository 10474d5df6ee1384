#pragma once

#include "DataFolder.h"
#include "NoteStorage.h"
#include "Result.h"
#include "StoredDay.h"
#include "WriteError.h"
#include "cls_IniFile.h"

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct MonthGrid;

// Calendar.ini: one section per annotated day, with the day's note and the
// colour of its cell. Everything else takes and gives a day as its date and
// a StoredDay; the names of the sections (DaySection.h) and of the keys are
// known here alone, the stored form of a note in NoteText.h. Every operation
// reads the file anew, so the file is the only place notes live.

inline constexpr char calendarFileName[] = "Calendar.ini";

// Calendar.ini as one read of it finds it: the reads of one handler, a
// month's days or every day, cost one read of the file, made at the first.
class DayNoteStore {
public:
    // The calendar in `dataFolder`. Without an absolute folder there is none,
    // and nothing is read from whatever the current folder is. Reads of
    // `days` cost one pass over the file, however many days it holds (any
    // other day reads as well, at the cost of an index of every day).
    explicit DayNoteStore(const DataFolder &dataFolder,
                          const std::vector<std::chrono::year_month_day> &days = {});

    // A calendar of bytes read already, as under the folder's lock.
    static DayNoteStore ofContent(std::string content);

    // The same over bytes that outlive it, which are not copied; reads of
    // `days` cost one pass over them.
    static DayNoteStore viewing(std::string_view content,
                                const std::vector<std::chrono::year_month_day> &days = {});

    // A missing file, section or key reads as no note on black.
    StoredDay day(std::chrono::year_month_day date) const;

    // Every day that has a note or a colour other than black. Sections whose
    // name is no day's (a wrong weekday mark, a hand-made name) are never
    // shown, and are left out.
    DayNotes annotatedDays() const;

    TextEncoding encoding() const { return m_file.Encoding(); }

    // Whether the file is too large to be read: it then reads as empty.
    bool isTooLarge() const { return m_file.IsTooLarge(); }

private:
    DayNoteStore(cls_IniFile file, const std::vector<std::chrono::year_month_day> &days);

    cls_IniFile m_file;
};

// Lays the note and colour of each day of `grid` over its cell, from one read
// of Calendar.ini in `dataFolder`.
void readMonthNotes(const DataFolder &dataFolder, MonthGrid &grid);

// Empties the day's note and colour with one write of the file. The day's
// section stays, and reads back exactly like a day that was never annotated.
WriteResult clearDay(const DataFolder &dataFolder, std::chrono::year_month_day date);

// The day holds something else than when the editor opened: another window
// or program saved it meanwhile.
struct DayChangedMeanwhile {
    StoredDay now;
};

// Why the editor's save wrote nothing.
using DaySaveRefusal = std::variant<NoteRefusal, DayChangedMeanwhile, WriteError>;

// Writes the day's note and colour, both whichever of them the user changed,
// unless the file could not give the note back as it is (see NoteStorage.h)
// or the day no longer holds `over`, what the editor opened it with (nothing:
// whatever it holds). The file is read once, judged and written once, all
// under the folder's lock, so that a large calendar costs one read and one
// write, and nothing can change the day between the judgement and the write.
Result<void, DaySaveRefusal> saveDay(const DataFolder &dataFolder, std::chrono::year_month_day date,
                                     const StoredDay &day, const std::optional<StoredDay> &over);

// Whether there is a calendar to delete: a file (or a link to one) of that
// name that reads find (see DataFolder::fileToRead). A folder of that name is
// the user's, and no calendar.
bool holdsCalendar(const DataFolder &dataFolder);

// Deletes the whole file, where there is one; where the originals hold one,
// the user's file is emptied instead, so that no note of theirs returns. When
// that fails the file is left as it was, and the result says why.
WriteResult deleteCalendar(const DataFolder &dataFolder);

// The new notes of days, in their stored form.
using NoteChanges = std::map<std::chrono::year_month_day, std::string>;

// The encoding that a save leaves Calendar.ini in.
enum class CalendarEncoding {
    AsItIs,
    // UTF-8, with the byte-order mark that keeps it so: the notes keep every
    // character from then on, but the Windows program reads them garbled.
    Utf8,
};

// Sets the notes of many days with one write of the file, which leaves their
// colours as they are. `changes` is asked once on the calendar as it is read;
// when it changes anything it is asked again on the calendar as it is under
// the folder's lock, so that nothing another program saved in between is
// lost, and its second answer is written. Nothing is written when it changes
// nothing, in either encoding. A calendar turned into UTF-8 is asked on as it
// is in UTF-8.
WriteResult saveNotes(const DataFolder &dataFolder,
                      const std::function<NoteChanges(const DayNoteStore &current)> &changes,
                      CalendarEncoding encoding = CalendarEncoding::AsItIs);
