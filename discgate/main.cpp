#include "ApplicationSetup.h"
#include "DesktopOpener.h"
#include "DiscgateUsage.h"
#include "LauncherRun.h"
#include "MediumChooser.h"
#include "MenuCheckRun.h"
#include "PixelBudget.h"
#include "frmMain.h"

#include <QApplication>
#include <QImageReader>

// discgate is the start menu of a distribution medium: everything it shows and
// opens comes from the medium's Autorun.inf. The copy on the medium reads the
// file beside itself; an installed copy finds the medium or lets the user pick it.
int main(int argc, char *argv[]) {
    const Result<CommandLine, int> commandLine = readCommandLine(argc, argv, discgateUsage());
    if (!commandLine)
        return commandLine.error();
    const auto check = menuCheckRequestOf(*commandLine);
    // The author's check decodes the pictures as the menu does, on a platform
    // that needs no display.
    if (check)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else
        chooseWindowSystem();
    QApplication application(argc, argv);
    // Pictures are checked against the budget by their headers before they
    // are decoded; Qt's own limit holds any decoder to the budget as a whole.
    QImageReader::setAllocationLimit(int(PixelBudget::limitBytes >> 20));
    if (check) {
        // The author reads the report in the desktop's language too.
        installTranslations();
        return check->wrongUsage ? refuseCommandLine(discgateUsage()) : runMenuCheck(*check);
    }
    setUpApplication(application, QStringLiteral("discgate"));
    QApplication::setDesktopFileName(QStringLiteral(DISCGATE_APP_ID));
    frmMain::installAccessibleInterfaces();
    const auto search = mediumSearchOf(commandLine->operands);
    if (!search)
        return 1;
    const auto folder = chooseMediumFolder(*search, mediaDialogFolder());
    if (!folder)
        return 0;
    DesktopOpener opener;
    return runLauncher(*folder, opener);
}
