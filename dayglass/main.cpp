#include "ApplicationSetup.h"
#include "AutostartEntry.h"
#include "DataFile.h"
#include "DayNoteStore.h"
#include "DayglassContext.h"
#include "DayglassUsage.h"
#include "MessageBoxes.h"
#include "NoteCommand.h"
#include "ProgramFolder.h"
#include "QtPaths.h"
#include "WriteErrorMessage.h"
#include "frmWeek.h"

#include <QApplication>
#include <csignal>

int main(int argc, char *argv[]) {
    // A save or export beyond the process's file size limit (RLIMIT_FSIZE) must
    // fail with EFBIG and be told, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const Result<CommandLine, int> commandLine = readCommandLine(argc, argv, dayglassUsage());
    if (!commandLine)
        return commandLine.error();
    if (const auto status = runNoteCommand(*commandLine, argc, argv))
        return *status;
    chooseWindowSystem();
    QApplication application(argc, argv);
    setUpApplication(application, QStringLiteral("dayglass"));
    // The desktop joins the windows to the menu entry of this name.
    QApplication::setDesktopFileName(QStringLiteral(DAYGLASS_APP_ID));
    frmWeek::installAccessibleInterfaces();
    // Shift-JIS conversion is not checked here: opening it maps its tables for
    // the whole run, and Data.ini is read without them. Where the system
    // cannot convert, a Japanese note reads as replacement characters and the
    // editor refuses to store it, as it refuses any character Shift-JIS lacks.

    const std::filesystem::path programFolder =
        fileSystemPath(QCoreApplication::applicationDirPath());
    const DataFolder dataFolder = dataFolderFor(programFolder, userConfigHome());
    keepDataFolderPrivate(dataFolder.path, programFolder);
    // The user learns that the files beside the program are read but not
    // written at the start that reads them alone; the start's save of the
    // page shown makes the user's Data.ini, so that is one start.
    std::optional<WriteErrorMessage::KeptAway> keptAway;
    if (othersMayWriteTheProgramFolder(programFolder))
        keptAway = WriteErrorMessage::KeptAway::OthersMayWrite;
    else if (dataFolder.readsOriginalsAlone({dataFileName, calendarFileName}))
        keptAway = WriteErrorMessage::KeptAway::ReadOnly;
    frmWeek window({dataFolder, systemLocalNow});
    // The start at login asks for the tray (see AutostartEntry.h).
    window.showAtStart(commandLine->valueOf(inTrayOption) ? frmWeek::StartIn::Tray
                                                          : frmWeek::StartIn::Window);
    if (keptAway)
        MessageBoxes::inform(&window, QGuiApplication::applicationDisplayName(),
                             WriteErrorMessage::keptAwayFromTheProgramFolder(
                                 programFolder, dataFolder.path, *keptAway));
    return QApplication::exec();
}
