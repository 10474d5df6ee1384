#include "NoteTransfer.h"

#include "DayNoteStore.h"
#include "FileRead.h"
#include "ICalendarNotes.h"
#include "NoteImport.h"

namespace {

// The file's content; a FIFO or device in its place is never waited for.
Result<std::string, ImportProblem> readICalendarFile(const std::filesystem::path &path) {
    Result<std::string, FileReadError> content = readWholeFile(path, maximumICalendarSize);
    if (!content)
        return Failure{content.error().problem == FileReadProblem::TooLarge
                           ? ImportProblem::TooLarge
                           : ImportProblem::Unreadable};
    return std::move(*content);
}

} // namespace

Result<NotesExport, ExportProblem> exportNotes(const DataFolder &dataFolder,
                                               std::chrono::sys_seconds stamp) {
    const DayNoteStore calendar(dataFolder);
    if (calendar.isTooLarge())
        return Failure{ExportProblem::CalendarTooLarge};
    const DayNotes days = calendar.annotatedDays();
    Result<std::string, ExportProblem> icalendar = notesToICalendar(days, stamp);
    if (!icalendar)
        return Failure{icalendar.error()};
    return NotesExport{std::move(*icalendar), days.size()};
}

ImportOutcome importNotes(const DataFolder &dataFolder,
                          const std::filesystem::path &icalendarFile) {
    const Result<std::string, ImportProblem> text = readICalendarFile(icalendarFile);
    if (!text)
        return Failure{ImportFailure{text.error()}};
    const Result<NoteAdditions, ImportFailure> additions = additionsFromICalendar(*text);
    if (!additions)
        return Failure{additions.error()};
    Result<ImportPlan, UnstorableText> plan = ImportPlan{};
    const WriteResult written = saveNotes(dataFolder, [&](const DayNoteStore &current) {
        plan = planImport(current, *additions);
        return plan ? plan->changes : NoteChanges();
    });
    if (!plan)
        return Failure{ImportFailure{ImportProblem::NotInShiftJis, plan.error().characters,
                                     plan.error().date}};
    if (!written)
        return Failure{ImportFailure{ImportProblem::NotSaved, {}, {}, written.error()}};
    return ImportedNotes{plan->changes.size(), std::move(plan->leftAlone)};
}
