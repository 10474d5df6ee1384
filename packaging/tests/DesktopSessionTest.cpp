#include "ApplicationSetup.h"
#include "DesktopOpener.h"
#include "MenuDescription.h"
#include "ModalDriver.h"
#include "PictureButton.h"
#include "TemporaryFolder.h"
#include "frmMain.h"
#include "frmSet.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

namespace fs = std::filesystem;

// Both programs' windows in the session this test is started in, on the
// window system that the programs choose there: X11 wherever the desktop
// offers it, Wayland otherwise. No input reaches a Wayland client from
// outside, so the windows are driven with Qt Test's events; the compositor
// still maps, draws and stacks them, and a click starts a real program.
class DesktopSessionTest : public QObject {
    Q_OBJECT

private slots:
    void theProgramsRunOnTheWindowSystemTheyChose() {
        QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("EXPECTED_PLATFORM"));
    }

    void aLauncherButtonLightsAndStartsItsTarget() {
        TemporaryFolder medium;
        fs::copy(fs::path(SAMPLE_MEDIUM) / "pictures", medium / "pictures");
        writeBytes(medium / "start.sh",
                   "#!/bin/sh\necho started >'" + (medium / "started").string() + "'\n");
        fs::permissions(medium / "start.sh", fs::perms::owner_exec, fs::perm_options::add);
        writeBytes(
            medium / "Autorun.inf",
            "[MainForm]\r\nWidth=480\r\nHeight=320\r\nBackground=pictures\\background.jpg\r\n"
            "[OpenPosition]\r\nX=Center\r\nY=Center\r\n"
            "[CloseBtn]\r\nX=446\r\nY=8\r\nDefaultBtn=pictures\\close.bmp\r\n"
            "[BtmMax]\r\nNum=1\r\n[Btn1]\r\nX=120\r\nY=140\r\nExeFile=start.sh\r\n"
            "DefaultBtn=pictures\\readme.png\r\nCrossBtn=pictures\\readme_on.png\r\n");
        DesktopOpener opener;
        frmMain launcher(medium.path(), opener);
        QVERIFY(launcher.Form_Load(*readLauncherDescription(medium.path())));
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));

        // The buttons are made in the order of their indexes.
        PictureButton *button =
            launcher.findChildren<PictureButton *>(QStringLiteral("imgBotton")).value(1);
        QVERIFY(button);
        // Events go in at the window, where the window system's own arrive,
        // because no client may move the pointer on Wayland.
        QWindow *window = launcher.windowHandle();
        const QPoint centre = button->mapTo(&launcher, button->rect().center());
        const QImage dark = button->picture().toImage();
        QTest::mouseMove(window, centre);
        QTRY_VERIFY(button->picture().toImage() != dark);
        QTest::mouseClick(window, Qt::LeftButton, {}, centre);
        QTRY_COMPARE(readBytes(medium / "started"), std::string("started\n"));
    }

    void thePeriodDialogTakesKeysAndSpeaksUp() {
        TemporaryFolder data;
        writeBytes(
            data / "Data.ini",
            "[Start]\r\nYear=2006\r\nMonth=3\r\nDay=5\r\nHour=9\r\nMinute=0\r\nSecond=0\r\n"
            "[End]\r\nYear=2007\r\nMonth=3\r\nDay=1\r\nHour=17\r\nMinute=30\r\nSecond=0\r\n");
        frmSet dialog(DayglassContext{data.path(), systemLocalNow});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *month = dialog.findChild<QLineEdit *>(QStringLiteral("SMonth"));
        QVERIFY(month);
        month->setFocus();
        month->clear();
        QTest::keyClicks(month, QStringLiteral("1x3"));
        QCOMPARE(month->text(), QStringLiteral("13"));

        QString message;
        whenModalShownAs<QMessageBox>([&message](QMessageBox *box) {
            message = box->text();
            box->close();
        });
        clickChild(&dialog, "Setting");
        QTRY_COMPARE(message, QStringLiteral("開始月が不正です"));
        QVERIFY(dialog.isVisible());
    }
};

int main(int argc, char *argv[]) {
    chooseWindowSystem();
    QApplication application(argc, argv);
    setUpApplication(application, QStringLiteral("discgate"));
    DesktopSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopSessionTest.moc"
