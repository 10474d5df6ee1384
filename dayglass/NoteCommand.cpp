#include "NoteCommand.h"

#include "ExportFile.h"
#include "NoteTransfer.h"
#include "NoteTransferMessages.h"
#include "ProgramFolder.h"
#include "QtPaths.h"
#include "TextEncoding.h"
#include "WriteErrorMessage.h"

#include <QCoreApplication>
#include <cstdio>
#include <string_view>

namespace {

constexpr char exportOption[] = "--export-notes";
constexpr char importOption[] = "--import-notes";
constexpr char replaceOption[] = "--replace-unstorable";
constexpr char utf8Option[] = "--store-in-utf8";
// The messages name this many of the days and texts, and count the others.
constexpr std::size_t listed = 10;

void print(std::FILE *stream, const QString &text) {
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
}

int exportTo(const std::filesystem::path &dataFolder, const QString &file) {
    const Result<NotesExport, ExportProblem> notes = exportNotes(
        dataFolder, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    if (!notes) {
        print(stderr, NoteTransferMessages::notExported(notes.error(), dataFolder));
        return 1;
    }
    if (file == u'-') {
        // The calendar alone goes to standard output, the count to the user.
        std::fwrite(notes->icalendar.data(), 1, notes->icalendar.size(), stdout);
        print(stderr, NoteTransferMessages::exported(
                          notes->days, QCoreApplication::translate("NoteCommand", "標準出力")));
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (const Result<void, QString> written = writeExportFile(file, notes->icalendar); !written) {
        print(stderr, NoteTransferMessages::notExported(file, written.error()));
        return 1;
    }
    print(stdout, NoteTransferMessages::exported(notes->days, file));
    return 0;
}

int importFrom(const std::filesystem::path &dataFolder, const QString &file,
               UnstorableChoice choice) {
    const ImportOutcome outcome = importNotes(dataFolder, fileSystemPath(file), choice);
    QString text = NoteTransferMessages::imported(outcome, file, listed);
    if (!outcome && outcome.error().problem == ImportProblem::NotInShiftJis)
        text += u'\n' + NoteTransferMessages::unstorableOptions(replaceOption, utf8Option);
    print(outcome ? stdout : stderr, text);
    return outcome ? 0 : 1;
}

// The choice that the command's last argument makes; nothing for another.
std::optional<UnstorableChoice> choiceOf(int argc, char *argv[]) {
    const std::string_view option = argc == 4 ? argv[3] : "";
    if (argc == 3)
        return UnstorableChoice::Refuse;
    if (option == replaceOption)
        return UnstorableChoice::ReplaceWithMark;
    if (option == utf8Option)
        return UnstorableChoice::StoreInUtf8;
    return std::nullopt;
}

} // namespace

std::optional<int> runNoteCommand(int argc, char *argv[]) {
    const std::string_view option = argc >= 2 ? argv[1] : "";
    if (option != exportOption && option != importOption)
        return std::nullopt;
    const std::optional<UnstorableChoice> choice = choiceOf(argc, argv);
    if (option == exportOption ? argc != 3 : !choice) {
        print(stderr,
              option == exportOption
                  ? QCoreApplication::translate("NoteCommand", "使い方: dayglass %1 FILE.ics")
                        .arg(QString::fromLatin1(option))
                  : QCoreApplication::translate("NoteCommand",
                                                "使い方: dayglass %1 FILE.ics [%2 | %3]")
                        .arg(QString::fromLatin1(option), QString::fromLatin1(replaceOption),
                             QString::fromLatin1(utf8Option)));
        return 2;
    }
    // The program's folder decides where the notes are; no display is needed.
    const QCoreApplication application(argc, argv);
    if (const Result<void, std::error_code> conversion = checkCp932Conversion(); !conversion) {
        print(stderr, WriteErrorMessage::noCp932Conversion(conversion.error()));
        return 1;
    }
    const std::filesystem::path programFolder =
        fileSystemPath(QCoreApplication::applicationDirPath());
    const std::filesystem::path dataFolder = dataFolderFor(programFolder, userConfigHome());
    const QString file = QFile::decodeName(argv[2]);
    if (option == exportOption)
        return exportTo(dataFolder, file);
    keepDataFolderPrivate(dataFolder, programFolder);
    return importFrom(dataFolder, file, *choice);
}
