#include "DesktopOpener.h"
#include "MenuDescription.h"
#include "PlainMenuWindow.h"
#include "RealInput.h"
#include "TemporaryFolder.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace fs = std::filesystem;

// The plain menu on a real X display with a window manager, opening through
// the desktop: the XDG folders of this test hold one stand-in application,
// registered as GIO finds applications (a desktop entry and the defaults of
// mimeapps.list), that notes every file it is given. It stands in for Wine,
// a PDF reader and the file manager.
class PlainMenuDisplayTest : public QObject {
    Q_OBJECT

private slots:
    // Each choice, pressed by a real click, reaches the desktop's handler of
    // its type, and the menu then ends.
    void eachChoiceReachesTheDesktopsHandler() {
        const fs::path desktop = STAND_IN_DESKTOP;
        fs::create_directories(desktop / "applications");
        writeBytes(desktop / "stand-in.sh",
                   "#!/bin/sh\necho \"$1\" >>'" + (desktop / "opened").string() + "'\n");
        fs::permissions(desktop / "stand-in.sh", fs::perms::owner_all);
        const std::string types = "application/x-ms-dos-executable;application/pdf;inode/directory";
        writeBytes(desktop / "applications" / "dg-stand-in.desktop",
                   "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" +
                       (desktop / "stand-in.sh").string() + " %f\nMimeType=" + types + "\n");
        writeBytes(desktop / "mimeapps.list",
                   "[Default Applications]\napplication/x-ms-dos-executable=dg-stand-in.desktop\n"
                   "application/pdf=dg-stand-in.desktop\ninode/directory=dg-stand-in.desktop\n");
        TemporaryFolder medium;
        writeBytes(medium / "SETUP.EXE", "MZ");
        fs::create_directory(medium / "Docs");
        writeBytes(medium / "Docs" / "Manual.pdf", "%PDF-1.4\n");
        writeBytes(medium / "Autorun.inf",
                   "[autorun]\r\nopen=setup.exe /s\r\nshellexecute=docs\\manual.pdf\r\n");
        const std::string root = fs::canonical(medium.path()).string();
        const std::string opened[] = {root + "/SETUP.EXE", root + "/Docs/Manual.pdf", root};
        for (int choice = 0; choice < 3; ++choice) {
            fs::remove(desktop / "opened");
            DesktopOpener opener;
            PlainMenuWindow window(
                medium.path(), std::get<PlainMenu>(*readMenuDescription(medium.path())), opener);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window, 20000));
            QSignalSpy finished(&window, &QDialog::finished);
            RealInput::click(window.findChildren<QPushButton *>().at(choice));
            QTRY_COMPARE_WITH_TIMEOUT(readBytes(desktop / "opened"), opened[choice] + "\n", 10000);
            QTRY_COMPARE(finished.size(), 1);
        }
    }
};

QTEST_MAIN(PlainMenuDisplayTest)
#include "PlainMenuDisplayTest.moc"
