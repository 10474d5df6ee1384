#include "ApplicationSetup.h"
#include "DayglassContext.h"
#include "MessageBoxes.h"
#include "NoteCommand.h"
#include "ProgramFolder.h"
#include "QtPaths.h"
#include "WriteErrorMessage.h"
#include "frmWeek.h"

#include <QApplication>
#include <csignal>

namespace {

// An export beyond the process's file size limit (RLIMIT_FSIZE) must fail with
// EFBIG and be reported, not end the program with SIGXFSZ. A handler that
// someone else installed stays.
void ignoreFileSizeSignal() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        ::signal(SIGXFSZ, SIG_IGN);
}

} // namespace

int main(int argc, char *argv[]) {
    ignoreFileSizeSignal();
    if (const auto status = runNoteCommand(argc, argv))
        return *status;
    chooseWindowSystem();
    QApplication application(argc, argv);
    setUpApplication(application, QStringLiteral("dayglass"));
    // The desktop joins the windows to the menu entry of this name.
    QApplication::setDesktopFileName(QStringLiteral(DAYGLASS_APP_ID));

    const std::filesystem::path programFolder =
        fileSystemPath(QCoreApplication::applicationDirPath());
    const std::filesystem::path dataFolder = dataFolderFor(programFolder, userConfigHome());
    keepDataFolderPrivate(dataFolder, programFolder);
    const DayglassContext context{dataFolder, systemLocalNow};
    frmWeek window(context);
    window.show();
    if (othersMayWriteTheProgramFolder(programFolder))
        MessageBoxes::inform(
            &window, QStringLiteral("dayglass"),
            WriteErrorMessage::keptAwayFromTheProgramFolder(programFolder, dataFolder));
    return QApplication::exec();
}
