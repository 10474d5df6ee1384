#include "AutorunMenu.h"
#include "DesktopOpener.h"
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

private:
    const fs::path m_desktop = STAND_IN_DESKTOP;
    const fs::path m_opened = m_desktop / "opened";
    std::unique_ptr<TemporaryFolder> m_medium;

private slots:
    void initTestCase() {
        fs::create_directories(m_desktop / "applications");
        writeBytes(m_desktop / "stand-in.sh",
                   "#!/bin/sh\nprintf '%s\\n' \"$1\" >>'" + m_opened.string() + "'\n");
        fs::permissions(m_desktop / "stand-in.sh", fs::perms::owner_all);
        const std::string types = "application/x-ms-dos-executable;application/x-msdownload;"
                                  "application/pdf;inode/directory;";
        writeBytes(m_desktop / "applications" / "dg-stand-in.desktop",
                   "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" +
                       (m_desktop / "stand-in.sh").string() + " %f\nMimeType=" + types + "\n");
        std::string defaults = "[Default Applications]\n";
        for (std::string_view rest = types; !rest.empty(); rest.remove_prefix(rest.find(';') + 1))
            defaults += std::string(rest.substr(0, rest.find(';'))) + "=dg-stand-in.desktop\n";
        writeBytes(m_desktop / "mimeapps.list", defaults);
        m_medium = std::make_unique<TemporaryFolder>();
        writeBytes(*m_medium / "SETUP.EXE", "MZ");
        fs::create_directory(*m_medium / "Docs");
        writeBytes(*m_medium / "Docs" / "Manual.pdf", "%PDF-1.4\n");
        writeBytes(*m_medium / "Autorun.inf",
                   "[autorun]\r\nopen=setup.exe /s\r\nshellexecute=docs\\manual.pdf\r\n"
                   "shell\\again=&Again\r\nshell\\again\\command=setup.exe -x\r\n");
    }

    // Each choice, pressed by a real click, reaches the desktop's handler of
    // its type, and the menu then ends.
    void eachChoiceReachesTheDesktopsHandler_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("opened");
        const QString root = QString::fromStdString(fs::canonical(m_medium->path()).string());
        QTest::newRow("open") << 0 << root + QStringLiteral("/SETUP.EXE");
        QTest::newRow("shellexecute") << 1 << root + QStringLiteral("/Docs/Manual.pdf");
        QTest::newRow("verb") << 2 << root + QStringLiteral("/SETUP.EXE");
        QTest::newRow("folder") << 3 << root;
    }

    void eachChoiceReachesTheDesktopsHandler() {
        QFETCH(int, choice);
        QFETCH(QString, opened);
        fs::remove(m_opened);
        DesktopOpener opener;
        PlainMenuWindow window(m_medium->path(), *readAutorunMenu(m_medium->path()), opener);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy finished(&window, &QDialog::finished);
        RealInput::click(window.findChildren<QPushButton *>().at(choice));
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(readBytes(m_opened)), opened + u'\n',
                                  10000);
        QTRY_COMPARE(finished.size(), 1);
    }
};

QTEST_MAIN(PlainMenuDisplayTest)
#include "PlainMenuDisplayTest.moc"
