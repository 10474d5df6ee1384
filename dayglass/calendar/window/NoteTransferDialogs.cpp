#include "NoteTransferDialogs.h"

#include "ExportFile.h"
#include "MessageBoxes.h"
#include "NoteTransfer.h"
#include "NoteTransferMessages.h"
#include "QtPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>

namespace {

const QString calendarFilter =
    QCoreApplication::translate("NoteTransferDialogs", "iCalendar (*.ics);;すべてのファイル (*)");
// A message names this many of the days an import left alone.
constexpr std::size_t listedDays = 10;

} // namespace

void exportNotesWithDialog(QWidget *parent, const DataFolder &dataFolder) {
    const QString file = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("NoteTransferDialogs", "iCalendar に書き出す"),
        QDir::home().filePath(QStringLiteral("dayglass.ics")), calendarFilter);
    if (file.isEmpty())
        return;
    const Result<NotesExport, ExportProblem> notes = exportNotes(
        dataFolder, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    if (!notes) {
        MessageBoxes::inform(parent, QGuiApplication::applicationDisplayName(),
                             NoteTransferMessages::notExported(notes.error(), dataFolder));
        return;
    }
    const Result<void, QString> written = writeExportFile(file, notes->icalendar);
    MessageBoxes::inform(parent, QGuiApplication::applicationDisplayName(),
                         written ? NoteTransferMessages::exported(notes->days, file)
                                 : NoteTransferMessages::notExported(file, written.error()));
}

bool importNotesWithDialog(QWidget *parent, const DataFolder &dataFolder) {
    const QString file = QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("NoteTransferDialogs", "iCalendar から読み込む"),
        QDir::homePath(), calendarFilter);
    if (file.isEmpty())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ImportOutcome outcome = importNotes(dataFolder, fileSystemPath(file));
    QGuiApplication::restoreOverrideCursor();
    MessageBoxes::inform(parent, QGuiApplication::applicationDisplayName(),
                         NoteTransferMessages::imported(outcome, file, listedDays));
    return outcome && outcome->changedDays > 0;
}
