#include "ApplicationSetup.h"
#include "DayglassContext.h"
#include "ProgramFolder.h"
#include "frmWeek.h"

#include <QApplication>
#include <QFile>

int main(int argc, char *argv[]) {
    chooseWindowSystem();
    QApplication application(argc, argv);
    setUpApplication(application, QStringLiteral("dayglass"));
    // The desktop joins the windows to the menu entry of this name.
    QApplication::setDesktopFileName(QStringLiteral(DAYGLASS_APP_ID));

    const std::filesystem::path programFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const DayglassContext context{dataFolderFor(programFolder, userConfigHome()), systemLocalNow};
    frmWeek window(context);
    window.show();
    return QApplication::exec();
}
