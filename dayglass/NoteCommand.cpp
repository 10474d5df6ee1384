#include "NoteCommand.h"

#include "ApplicationSetup.h"
#include "AutostartEntry.h"
#include "DayglassUsage.h"
#include "ExportFile.h"
#include "NoteTransfer.h"
#include "NoteTransferMessages.h"
#include "ProgramFolder.h"
#include "QtPaths.h"
#include "TextEncoding.h"
#include "WriteErrorMessage.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int exportTo(const DataFolder &dataFolder, const QString &file) {
    const Result<NotesExport, ExportProblem> notes = exportNotes(
        dataFolder, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    if (!notes) {
        writeLine(stderr, NoteTransferMessages::notExported(notes.error(), dataFolder));
        return 1;
    }
    if (file == u'-') {
        // The calendar alone goes to standard output, the count to the user.
        std::fwrite(notes->icalendar.data(), 1, notes->icalendar.size(), stdout);
        writeLine(stderr, NoteTransferMessages::exported(
                              notes->days, QCoreApplication::translate("NoteCommand", "標準出力")));
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (const Result<void, WriteError> written = writeExportFile(file, notes->icalendar);
        !written) {
        writeLine(stderr, NoteTransferMessages::notExported(file, written.error()));
        return 1;
    }
    writeLine(stdout, NoteTransferMessages::exported(notes->days, file));
    return 0;
}

int importFrom(const DataFolder &dataFolder, const QString &file, UnstorableChoice choice) {
    const ImportOutcome outcome = importNotes(dataFolder, fileSystemPath(file), choice);
    QString text = NoteTransferMessages::imported(outcome, file);
    if (!outcome && outcome.error().problem == ImportProblem::NotInShiftJis)
        text += u'\n' +
                NoteTransferMessages::unstorableOptions(replaceUnstorableOption, storeInUtf8Option);
    writeLine(outcome ? stdout : stderr, text);
    return outcome ? 0 : 1;
}

} // namespace

std::optional<int> runNoteCommand(const CommandLine &commandLine, int argc, char *argv[]) {
    const std::optional<std::string> exporting = commandLine.valueOf(exportNotesOption);
    const std::optional<std::string> importing = commandLine.valueOf(importNotesOption);
    const bool replacing = commandLine.valueOf(replaceUnstorableOption).has_value();
    const bool inUtf8 = commandLine.valueOf(storeInUtf8Option).has_value();
    const bool commanded = exporting || importing;
    if ((exporting && importing) || ((replacing || inUtf8) && !importing) ||
        (replacing && inUtf8) || (commanded && commandLine.valueOf(inTrayOption)))
        return refuseCommandLine(dayglassUsage());
    if (!commanded)
        return std::nullopt;
    // The program's folder decides where the notes are; no display is needed.
    const QCoreApplication application(argc, argv);
    installTranslations();
    if (const Result<void, std::error_code> conversion = checkCp932Conversion(); !conversion) {
        writeLine(stderr, WriteErrorMessage::noCp932Conversion(conversion.error()));
        return 1;
    }
    const std::filesystem::path programFolder =
        fileSystemPath(QCoreApplication::applicationDirPath());
    const DataFolder dataFolder = dataFolderFor(programFolder, userConfigHome());
    if (exporting)
        return exportTo(dataFolder, QFile::decodeName(exporting->c_str()));
    keepDataFolderPrivate(dataFolder.path, programFolder);
    return importFrom(dataFolder, QFile::decodeName(importing->c_str()),
                      replacing ? UnstorableChoice::ReplaceWithMark
                      : inUtf8  ? UnstorableChoice::StoreInUtf8
                                : UnstorableChoice::Refuse);
}
