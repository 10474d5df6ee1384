#include "NoteTransferDialogs.h"

#include "ExportFile.h"
#include "MessageBoxes.h"
#include "NoteTransfer.h"
#include "NoteTransferMessages.h"
#include "QtPaths.h"
#include "UnstorableQuestion.h"
#include "WorkInBackground.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <optional>

namespace {

// Asked for each time, as the translation is installed after the program's
// start.
QString calendarFilter() {
    return QCoreApplication::translate("NoteTransferDialogs",
                                       "iCalendar (*.ics);;すべてのファイル (*)");
}

} // namespace

void exportNotesWithDialog(QWidget *parent, const DataFolder &dataFolder) {
    const QString file = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("NoteTransferDialogs", "iCalendar に書き出す"),
        QDir::home().filePath(QStringLiteral("dayglass.ics")), calendarFilter());
    if (file.isEmpty())
        return;
    const Result<NotesExport, ExportProblem> notes = exportNotes(
        dataFolder, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    if (!notes) {
        MessageBoxes::inform(parent, QGuiApplication::applicationDisplayName(),
                             NoteTransferMessages::notExported(notes.error(), dataFolder));
        return;
    }
    const Result<void, WriteError> written = writeExportFile(file, notes->icalendar);
    MessageBoxes::inform(parent, QGuiApplication::applicationDisplayName(),
                         written ? NoteTransferMessages::exported(notes->days, file)
                                 : NoteTransferMessages::notExported(file, written.error()));
}

bool importNotesWithDialog(QWidget *parent, const DataFolder &dataFolder) {
    const QString file = QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("NoteTransferDialogs", "iCalendar から読み込む"),
        QDir::homePath(), calendarFilter());
    if (file.isEmpty())
        return false;
    const QString reading =
        QCoreApplication::translate("NoteTransferDialogs", "%1 を読み込んでいます…").arg(file);
    std::optional<Result<NoteAdditions, ImportFailure>> additions;
    std::optional<ImportOutcome> outcome;
    runInBackground(parent, reading, [&](std::stop_token stop) {
        additions = readICalendarFile(fileSystemPath(file), stop);
        outcome = *additions ? addNotes(dataFolder, **additions, UnstorableChoice::Refuse, stop)
                             : ImportOutcome(Failure{additions->error()});
    });
    // The texts read once wait for the user's choice, asked here once the
    // work has ended; nothing is written before it.
    if (!*outcome && outcome->error().problem == ImportProblem::NotInShiftJis) {
        const UnstorableChoice choice =
            UnstorableQuestion::ask(parent, file, outcome->error().unstorable);
        if (choice == UnstorableChoice::Refuse)
            return false;
        runInBackground(parent, reading, [&](std::stop_token stop) {
            outcome = addNotes(dataFolder, **additions, choice, stop);
        });
    }
    MessageBoxes::inform(parent, QGuiApplication::applicationDisplayName(),
                         NoteTransferMessages::imported(*outcome, file));
    return *outcome && (*outcome)->changedDays > 0;
}
