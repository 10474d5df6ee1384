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
std::optional<std::string> readICalendarFile(const std::filesystem::path &path,
                                             ImportOutcome &outcome) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        outcome.problem = ImportProblem::Unreadable;
        return std::nullopt;
    }
    auto content = FileStore::readDescriptor(file.get(), maximumICalendarSize);
    if (!content)
        outcome.problem = static_cast<std::uintmax_t>(status.st_size) > maximumICalendarSize
                              ? ImportProblem::TooLarge
                              : ImportProblem::Unreadable;
    return content;
}

ImportProblem importProblemOf(ICalendarProblem problem) {
    switch (problem) {
    case ICalendarProblem::NotICalendar:
        return ImportProblem::NotICalendar;
    case ICalendarProblem::CutOff:
        return ImportProblem::CutOff;
    case ICalendarProblem::BadEvent:
        return ImportProblem::BadEvent;
    case ICalendarProblem::NoLibrary:
        return ImportProblem::NoLibrary;
    case ICalendarProblem::TooManyDays:
        break;
    }
    return ImportProblem::TooManyDays;
}

} // namespace

NotesExport exportNotes(const std::filesystem::path &dataFolder, std::chrono::sys_seconds stamp) {
    if (calendarFileIn(dataFolder).IsTooLarge())
        return {{}, 0, ExportProblem::CalendarTooLarge};
    const std::vector<DayNote> days = readAllNotes(dataFolder);
    std::optional<std::string> icalendar = notesToICalendar(days, stamp);
    if (!icalendar)
        return {{}, 0, ExportProblem::NoLibrary};
    return {std::move(*icalendar), days.size(), std::nullopt};
}

ImportOutcome importNotes(const std::filesystem::path &dataFolder,
                          const std::filesystem::path &icalendarFile) {
    ImportOutcome outcome;
    const std::optional<std::string> text = readICalendarFile(icalendarFile, outcome);
    if (!text)
        return outcome;
    const ICalendarRead read = additionsFromICalendar(*text);
    if (read.problem) {
        outcome.problem = importProblemOf(*read.problem);
        outcome.detail = read.detail;
        return outcome;
    }
    ImportPlan plan;
    outcome.writeError = saveNotes(dataFolder, [&](const cls_IniFile &current) {
        plan = planImport(current, read.additions);
        return plan.changes;
    });
    if (plan.unstorable) {
        outcome.problem = ImportProblem::NotInShiftJis;
        outcome.detail = plan.unstorable->characters;
        outcome.day = plan.unstorable->date;
    } else if (outcome.writeError) {
        outcome.problem = ImportProblem::NotSaved;
    } else {
        outcome.changedDays = plan.changes.size();
        outcome.leftAlone = std::move(plan.leftAlone);
    }
    return outcome;
}
