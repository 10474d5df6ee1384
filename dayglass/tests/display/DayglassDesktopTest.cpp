#include "CalendarPage.h"
#include "DayNoteStore.h"
#include "JapaneseFonts.h"
#include "ModalDriver.h"
#include "QtPaths.h"
#include "RealInput.h"
#include "TemporaryFolder.h"
#include "frmCSet.h"
#include "frmSet.h"
#include "frmWeek.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QtTest>
#include <sys/mount.h>

using namespace std::chrono;

namespace {

const std::string storedPeriod = "[Start]\r\nYear=2006\r\nMonth=03\r\nDay=5\r\nHour=9\r\n"
                                 "Minute=0\r\nSecond=00\r\n[End]\r\nYear=2007\r\nMonth=3\r\n"
                                 "Day=1\r\nHour=17\r\nMinute=30\r\nSecond=0\r\n";

DayglassContext contextAt(const std::filesystem::path &folder) {
    return {folder, [] { return local_days{2005y / October / 14} + hours{10}; }};
}

template <typename Widget> Widget *child(QWidget *parent, const char *name) {
    return parent->findChild<Widget *>(QString::fromLatin1(name));
}

// Presses Return on the next message box, as a user does, and keeps its text.
void answerMessageByKey(QString &text) {
    whenModalShown([&text](QWidget *modal) {
        const auto closer = closedAtEnd(modal);
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        QVERIFY(RealInput::waitForKeys(box));
        text = box->text();
        RealInput::key(QStringLiteral("Return"));
    });
}

// A tmpfs mounted over a fresh folder, filled to the last byte. Only root may
// mount one.
class FullFileSystem {
public:
    FullFileSystem() {
        m_mounted = ::mount("tmpfs", m_folder.path().c_str(), "tmpfs", 0, "size=64k") == 0;
        if (!m_mounted)
            return;
        const std::string block(4096, 'x');
        std::FILE *filler = std::fopen((m_folder / "filler").c_str(), "wb");
        while (filler && std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
               std::fflush(filler) == 0) {
        }
        if (filler)
            std::fclose(filler);
    }
    ~FullFileSystem() {
        if (m_mounted)
            ::umount2(m_folder.path().c_str(), MNT_DETACH);
    }
    FullFileSystem(const FullFileSystem &) = delete;
    FullFileSystem &operator=(const FullFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    const std::filesystem::path &path() const { return m_folder.path(); }

private:
    TemporaryFolder m_folder;
    bool m_mounted = false;
};

} // namespace

class DayglassDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseFontSubstitutes(); }

    void periodFieldsTakeClicksAndEditingKeys() {
        TemporaryFolder folder;
        writeBytes(folder / "Data.ini", storedPeriod);
        frmSet dialog(contextAt(folder.path()));
        RealInput::showActive(&dialog);
        auto *hour = child<QLineEdit>(&dialog, "SHour");

        RealInput::click(hour, QPoint(hour->width() - 4, hour->height() / 2));
        QTRY_COMPARE(hour->selectedText(), QStringLiteral("9"));
        QCOMPARE(hour->palette().color(QPalette::Base), QColor(Qt::red));
        RealInput::type(QStringLiteral("12"));
        QTRY_COMPARE(hour->text(), QStringLiteral("12"));

        RealInput::key(QStringLiteral("Home"));
        RealInput::key(QStringLiteral("Delete"));
        QTRY_COMPARE(hour->text(), QStringLiteral("2"));
        RealInput::key(QStringLiteral("End"));
        RealInput::key(QStringLiteral("BackSpace"));
        QTRY_COMPARE(hour->text(), QString());
        RealInput::type(QStringLiteral("a 7-"));
        QTRY_COMPARE(hour->text(), QStringLiteral("7"));
    }

    void okOfAMessageLeavesTheFieldAsItWas() {
        TemporaryFolder folder;
        writeBytes(folder / "Data.ini", storedPeriod);
        frmSet dialog(contextAt(folder.path()));
        RealInput::showActive(&dialog);
        auto *day = child<QLineEdit>(&dialog, "SDay");
        day->setText(QStringLiteral("31"));
        RealInput::click(day);
        RealInput::key(QStringLiteral("Home"));
        RealInput::key(QStringLiteral("Right"));
        QTRY_COMPARE(day->cursorPosition(), 1);

        QString message;
        answerMessageByKey(message);
        RealInput::click(child<QWidget>(&dialog, "Setting"));
        QCOMPARE(message, QStringLiteral("開始日が不正です"));
        QTRY_VERIFY(dialog.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), day);
        QCOMPARE(day->selectedText(), QString());
        QCOMPARE(day->cursorPosition(), 1);
        QCOMPARE(day->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(readBytes(folder / "Data.ini"), storedPeriod);
    }

    void doubleClickOnADayOpensTheEditor() {
        TemporaryFolder folder;
        CalendarPage page(contextAt(folder.path()), nullptr);
        page.showCurrentMonth();
        RealInput::showActive(&page);
        page.focusToday();
        QString heading;
        whenModalShown([&heading](QWidget *editor) {
            const auto closer = closedAtEnd(editor);
            QVERIFY(RealInput::waitForKeys(editor));
            heading = editor->accessibleName();
            RealInput::type(QStringLiteral("rain"));
            RealInput::key(QStringLiteral("shift+Return"));
        });
        RealInput::click(child<QWidget>(&page, "chkDays_20"), QPoint(-1, -1), 2);
        QCOMPARE(heading, QStringLiteral("2005/10/14(金)"));
        QCOMPARE(readBytes(folder / calendarFileName),
                 "[2005/10/14\x28\x8B\xE0\x29]\r\nText=rain\r\nCollar=0\r\n");
    }

    // Another program that saves the CALENDAR page while the TIMER page is
    // shown moves no keys to a hidden day: Delete wipes nothing, and the focus
    // goes to today's cell at the first tick after the user shows the calendar.
    void aPageSavedFromOutsideLeavesTheKeysOnTheShownPage() {
        TemporaryFolder folder;
        const std::string note = "[2005/10/14\x28\x8B\xE0\x29]\r\nText=rain\r\nCollar=0\r\n";
        writeBytes(folder / calendarFileName, note);
        frmWeek window(contextAt(folder.path()));
        RealInput::showActive(&window);
        QVERIFY(child<QWidget>(&window, "FRM_Timer")->isVisible());
        writeBytes(folder / "Data.ini", "[EntSS]\r\nInf= 1\r\n");
        window.Timer_Timer();
        QVERIFY(child<QWidget>(&window, "FRM_Timer")->isVisible());
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
        RealInput::key(QStringLiteral("Delete"));
        QCOMPARE(readBytes(folder / calendarFileName), note);

        RealInput::click(child<QWidget>(&window, "CMD_Timer_1"));
        QTRY_VERIFY(child<QWidget>(&window, "FRM_Calendar")->isVisible());
        window.Timer_Timer();
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&window, "chkDays_20"));
    }

    // A save that fails ends in a message; the editor stays with the text.
    void aFailedSaveKeepsTheEditorAndItsText_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full file system") << true << QStringLiteral("ディスクの空きがありません");
        QTest::newRow("read-only Calendar.ini")
            << false << QStringLiteral("書き込みが許されていません（読み取り専用です）");
    }
    void aFailedSaveKeepsTheEditorAndItsText() {
        QFETCH(bool, fullDisk);
        QFETCH(QString, reason);
        FullFileSystem full;
        TemporaryFolder plain;
        if (fullDisk && !full.mounted())
            QSKIP("Mounting a small file system needs root.");
        const std::filesystem::path folder = fullDisk ? full.path() : plain.path();
        if (!fullDisk) {
            writeBytes(folder / calendarFileName, "");
            std::filesystem::permissions(folder / calendarFileName,
                                         std::filesystem::perms::owner_read);
        }
        frmCSet editor(folder, 2005y / October / 14, StoredDay{}, SaveOver::Anything);
        RealInput::showActive(&editor);
        RealInput::type(QStringLiteral("kept"));
        QString message;
        answerMessageByKey(message);
        RealInput::click(child<QWidget>(&editor, "Setting"));
        QCOMPARE(message, qtPath(folder / calendarFileName) +
                              QStringLiteral(" に保存できませんでした\n") + reason);
        QVERIFY(editor.isVisible());
        QCOMPARE(child<QPlainTextEdit>(&editor, "Tex")->toPlainText(), QStringLiteral("kept"));

        // Now Escape asks before it leaves; Enter answers No.
        answerMessageByKey(message);
        RealInput::key(QStringLiteral("Escape"));
        QCOMPARE(message, QStringLiteral("メモを保存せずに閉じますか？"));
        QTRY_VERIFY(editor.isActiveWindow());
        whenModalShown([](QWidget *modal) {
            const auto closer = closedAtEnd(modal);
            QVERIFY(RealInput::waitForKeys(modal));
            // The Yes button's mnemonic, which presses the button a moment later.
            RealInput::key(QStringLiteral("y"));
            QTRY_VERIFY(!modal->isVisible());
        });
        RealInput::key(QStringLiteral("Escape"));
        QTRY_VERIFY(!editor.isVisible());
        QCOMPARE(readBytes(folder / calendarFileName), std::string());
    }
};

QTEST_MAIN(DayglassDesktopTest)
#include "DayglassDesktopTest.moc"
