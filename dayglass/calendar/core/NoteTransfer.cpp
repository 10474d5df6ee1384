#include "NoteTransfer.h"

#include "DayNoteStore.h"
#include "FileDescriptor.h"
#include "FileStore.h"
#include "ICalendarNotes.h"
#include "NoteImport.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The file's content; a FIFO or device in its place is never waited for.
Result<std::string, ImportProblem> readICalendarFile(const std::filesystem::path &path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return Failure{ImportProblem::Unreadable};
    Result<std::string, int> content = FileStore::readDescriptor(file.get(), maximumICalendarSize);
    if (!content)
        return Failure{static_cast<std::uintmax_t>(status.st_size) > maximumICalendarSize
                           ? ImportProblem::TooLarge
                           : ImportProblem::Unreadable};
    return std::move(*content);
}

} // namespace

Result<NotesExport, ExportProblem> exportNotes(const std::filesystem::path &dataFolder,
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

ImportOutcome importNotes(const std::filesystem::path &dataFolder,
                          const std::filesystem::path &icalendarFile, std::stop_token stop) {
    const Result<std::string, ImportProblem> text = readICalendarFile(icalendarFile);
    if (!text)
        return Failure{ImportFailure{text.error()}};
    WorkBudget work(maximumImportWork, stop);
    const Result<NoteAdditions, ImportFailure> additions =
        additionsFromICalendar(*text, maximumImportedDays, work);
    if (!additions)
        return Failure{additions.error()};
    Result<ImportPlan, UnstorableText> plan = ImportPlan{};
    // The last moment a stop keeps the file as it was: the changes are
    // planned under the folder's lock, right before they are written.
    bool stopped = false;
    const WriteResult written = saveNotes(dataFolder, [&](const DayNoteStore &current) {
        stopped = stop.stop_requested();
        plan = planImport(current, *additions);
        return plan && !stopped ? plan->changes : NoteChanges();
    });
    if (stopped)
        return Failure{ImportFailure{ImportProblem::Cancelled}};
    if (!plan)
        return Failure{ImportFailure{ImportProblem::NotInShiftJis, plan.error().characters,
                                     plan.error().date}};
    if (!written)
        return Failure{ImportFailure{ImportProblem::NotSaved, {}, {}, written.error()}};
    return ImportedNotes{plan->changes.size(), std::move(plan->leftAlone)};
}
