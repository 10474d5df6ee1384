#include "NoteTransfer.h"

#include "DayNoteStore.h"
#include "FileRead.h"
#include "ICalendarNotes.h"

namespace {

// The file's content; a FIFO or device in its place is never waited for.
Result<std::string, ImportProblem> icalendarText(const std::filesystem::path &path) {
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
    return notesToICalendar(calendar.annotatedDays(), stamp);
}

Result<NoteAdditions, ImportFailure> readICalendarFile(const std::filesystem::path &icalendarFile,
                                                       std::stop_token stop) {
    const Result<std::string, ImportProblem> text = icalendarText(icalendarFile);
    if (!text)
        return Failure{ImportFailure{text.error()}};
    WorkBudget work(maximumImportWork, std::move(stop));
    return additionsFromICalendar(*text, maximumImportedDays, work);
}

ImportOutcome addNotes(const DataFolder &dataFolder, const NoteAdditions &additions,
                       UnstorableChoice choice, std::stop_token stop) {
    Result<ImportPlan, std::vector<UnstorableCharacters>> plan = ImportPlan{};
    // The last moment a stop keeps the file as it was: the changes are
    // planned under the folder's lock, right before they are written.
    bool stopped = false;
    const WriteResult written = saveNotes(
        dataFolder,
        [&](const DayNoteStore &current) {
            stopped = stop.stop_requested();
            plan = planImport(current, additions, choice);
            return plan && !stopped ? plan->changes : NoteChanges();
        },
        choice == UnstorableChoice::StoreInUtf8 ? CalendarEncoding::Utf8
                                                : CalendarEncoding::AsItIs);
    if (stopped)
        return Failure{ImportFailure{ImportProblem::Cancelled}};
    if (!plan)
        return Failure{ImportFailure{ImportProblem::NotInShiftJis, {}, std::move(plan.error())}};
    if (!written)
        return Failure{ImportFailure{ImportProblem::NotSaved, {}, {}, written.error()}};
    return ImportedNotes{plan->changes.size(), std::move(plan->leftOut)};
}

ImportOutcome importNotes(const DataFolder &dataFolder, const std::filesystem::path &icalendarFile,
                          UnstorableChoice choice) {
    const Result<NoteAdditions, ImportFailure> additions = readICalendarFile(icalendarFile);
    if (!additions)
        return Failure{additions.error()};
    return addNotes(dataFolder, *additions, choice);
}
