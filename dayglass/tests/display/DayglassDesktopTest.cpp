#include "CalendarPage.h"
#include "DayNoteStore.h"
#include "HolidayFile.h"
#include "JapaneseFonts.h"
#include "ModalDriver.h"
#include "QuotedName.h"
#include "RealInput.h"
#include "SmallFileSystem.h"
#include "TemporaryFolder.h"
#include "TextEncoding.h"
#include "frmCSet.h"
#include "frmSet.h"
#include "frmWeek.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QtTest>
#include <fstream>

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
    whenModalShownAs<QMessageBox>([&text](QMessageBox *box) {
        QVERIFY(RealInput::waitForKeys(box));
        text = box->text();
        RealInput::key(QStringLiteral("Return"));
    });
}

// Opens the context menu with the menu key and chooses its last item. The
// menu runs a loop of its own until it closes, so its keys are sent from
// within.
void chooseLastMenuItem() {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        if (!QApplication::activePopupWidget())
            return;
        poll.stop();
        RealInput::key(QStringLiteral("Up"));
        RealInput::key(QStringLiteral("Return"));
    });
    poll.start(10);
    RealInput::key(QStringLiteral("Menu"));
}

// Whether the picture holds red: white, the bevels' greys and black do not.
bool holdsRed(const QImage &picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(rgb.constBits());
    return std::any_of(pixels, pixels + rgb.width() * rgb.height(), [](QRgb pixel) {
        return qRed(pixel) > 128 && qGreen(pixel) < 64 && qBlue(pixel) < 64;
    });
}

// The day numbers drawn in red on what the X server shows of `page`.
QStringList redDayNumbers(QWidget *page) {
    const QImage screen = page->screen()->grabWindow(page->winId()).toImage();
    QStringList numbers;
    for (int index = 1; index <= dayCellCount; ++index) {
        const auto *cell =
            page->findChild<QAbstractButton *>(QStringLiteral("chkDays_%1").arg(index));
        if (cell->isVisible() &&
            holdsRed(screen.copy(QRect(cell->mapTo(page, QPoint()), cell->size()))))
            numbers << cell->text();
    }
    return numbers;
}

// Fills the file system of `folder` to the last byte.
void fillUp(const std::filesystem::path &folder) {
    const std::string block(4096, 'x');
    std::ofstream filler(folder / "filler", std::ios::binary);
    while (filler.write(block.data(), std::streamsize(block.size())).flush()) {
    }
}

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
        whenModalShownAs<frmCSet>([&heading](frmCSet *editor) {
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

    // The last item of the context menu turns the holidays on and off: on the
    // screen holidays and Sundays turn red, 2024's from the table beside
    // Data.ini, and a holiday is named above the note, in the cell's name and
    // under the pointer. A table that is no table is told, and the law's
    // holidays show. Calendar.ini stays as it is.
    void theMenuKeyTurnsTheHolidaysOnAndOff() {
        TemporaryFolder folder;
        const auto shiftJis = [](const char *text) {
            return encodeText(text, TextEncoding::Cp932);
        };
        const std::string notes = shiftJis("[2024/02/13(火)]\r\nText=帰省\r\nCollar=0\r\n");
        writeBytes(folder / calendarFileName, notes);
        // 12 February moved to the 13th, and the 29th added.
        const std::string table =
            shiftJis("月日,名称\r\n2024/2/11,建国記念の日\r\n2024/2/13,休日\r\n"
                     "2024/2/23,天皇誕生日\r\n2024/2/29,閏日\r\n");
        writeBytes(folder / holidayFileName, table);
        CalendarPage page({folder.path(), [] { return local_days{2024y / February / 13}; }},
                          nullptr);
        page.showCurrentMonth();
        RealInput::showActive(&page);
        page.focusToday();
        const auto *note = child<QLabel>(&page, "lblText");
        auto *thirteenth = child<QWidget>(&page, "chkDays_17");
        const auto numbers = [](const char *list) { return QString::fromLatin1(list).split(u' '); };

        chooseLastMenuItem();
        QTRY_COMPARE(redDayNumbers(&page), numbers("4 11 13 18 23 25 29"));
        QCOMPARE(note->text(), QStringLiteral("休日\n帰省"));
        const QString name = QStringLiteral("2024年2月13日(火)、休日、メモあり");
        QCOMPARE(thirteenth->accessibleName(), name);
        RealInput::moveTo(thirteenth, QPoint(4, 4));
        QTRY_COMPARE(QToolTip::text(), name);
        QCOMPARE(readBytes(folder / "Data.ini"), "[Options]\r\nHolidays=1\r\n");

        chooseLastMenuItem();
        QTRY_COMPARE(redDayNumbers(&page), QStringList());
        QCOMPARE(note->text(), QStringLiteral("帰省"));
        QCOMPARE(readBytes(folder / "Data.ini"), "[Options]\r\nHolidays=0\r\n");

        writeBytes(folder / holidayFileName, table + "2024/2/30,x\r\n");
        QString message;
        answerMessageByKey(message);
        chooseLastMenuItem();
        QCOMPARE(message,
                 quotedPath(folder / holidayFileName) +
                     QStringLiteral(" は使いません\n6 行目：日付が 2024/2/12 のような年/月/日"
                                    "の実在する日ではありません\n祝日は法律の定めから求めて"
                                    "表示します"));
        QTRY_COMPARE(redDayNumbers(&page), numbers("4 11 12 18 23 25"));
        QCOMPARE(note->text(), QStringLiteral("帰省"));
        QCOMPARE(readBytes(folder / calendarFileName), notes);
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
        const SmallFileSystem full("size=64k");
        TemporaryFolder plain;
        if (fullDisk && !full.mounted())
            QSKIP("Mounting a small file system needs root.");
        const std::filesystem::path folder = fullDisk ? full.path() : plain.path();
        if (fullDisk) {
            fillUp(folder);
        } else {
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
        QCOMPARE(message, quotedPath(folder / calendarFileName) +
                              QStringLiteral(" に保存できませんでした\n") + reason);
        QVERIFY(editor.isVisible());
        QCOMPARE(child<QPlainTextEdit>(&editor, "Tex")->toPlainText(), QStringLiteral("kept"));

        // Now Escape asks before it leaves; Enter answers No.
        answerMessageByKey(message);
        RealInput::key(QStringLiteral("Escape"));
        QCOMPARE(message, QStringLiteral("メモを保存せずに閉じますか？"));
        QTRY_VERIFY(editor.isActiveWindow());
        whenModalShownAs<QMessageBox>([](QMessageBox *question) {
            QVERIFY(RealInput::waitForKeys(question));
            // The Yes button's mnemonic, which presses the button a moment later.
            RealInput::key(QStringLiteral("y"));
            QTRY_VERIFY(!question->isVisible());
        });
        RealInput::key(QStringLiteral("Escape"));
        QTRY_VERIFY(!editor.isVisible());
        QCOMPARE(readBytes(folder / calendarFileName), std::string());
    }
};

QTEST_MAIN(DayglassDesktopTest)
#include "DayglassDesktopTest.moc"
