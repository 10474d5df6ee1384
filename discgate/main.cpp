#include "ApplicationSetup.h"
#include "DesktopOpener.h"
#include "LauncherRun.h"

#include <QApplication>

// discgate is the start menu of a distribution medium: everything it shows and
// opens comes from the Autorun.inf beside the program.
int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    setUpApplication(application, QStringLiteral("discgate"));
    DesktopOpener opener;
    return runLauncher(QCoreApplication::applicationDirPath().toStdString(), opener);
}
