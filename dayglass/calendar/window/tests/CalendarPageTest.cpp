#include "CalendarPage.h"

#include "DayNoteStore.h"
#include "DaySaving.h"
#include "JapaneseFonts.h"
#include "MessageBoxAnswer.h"
#include "ModalDriver.h"
#include "NoteTransferDialogs.h"
#include "TemporaryFolder.h"
#include "TextEncoding.h"
#include "WorkInBackground.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <thread>

using namespace std::chrono;

namespace {

// The page of a main window whose clock stands at ten in the morning of
// `today`, showing the current month with today selected and focused, as the
// main window leaves it after its start.
class ShownPage {
public:
    explicit ShownPage(year_month_day today, const std::string &calendarBytes = {})
        : m_now(local_days{today} + hours{10}) {
        if (!calendarBytes.empty())
            writeBytes(calendarFile(), calendarBytes);
        m_page = std::make_unique<CalendarPage>(
            DayglassContext{m_folder.path(), [this] { return m_now; }}, nullptr);
        m_page->showCurrentMonth();
        m_page->show();
        m_page->activateWindow();
        if (!QTest::qWaitForWindowActive(m_page.get()))
            qWarning("The page did not become the active window.");
        m_page->selectToday();
        m_page->focusToday();
    }

    CalendarPage &page() { return *m_page; }
    std::filesystem::path calendarFile() const { return m_folder / calendarFileName; }

    QAbstractButton *cell(int index) const {
        return m_page->findChild<QAbstractButton *>(QStringLiteral("chkDays_%1").arg(index));
    }
    template <typename Widget = QWidget> Widget *child(const char *name) const {
        return m_page->findChild<Widget *>(QString::fromLatin1(name));
    }
    QString heading() const { return child<QLabel>("lblDate")->text(); }
    QString note() const { return child<QLabel>("lblText")->text(); }
    bool editorPanelShown() const { return !child("CalendarSet")->isHidden(); }
    QColor colourOf(int index) const { return cell(index)->palette().color(QPalette::Button); }

    // The checked or the focused cell, 0 when none is.
    int selectedCell() const { return cellWhere(&QAbstractButton::isChecked); }
    int focusedCell() const {
        return cellWhere(
            [this](const QAbstractButton *button) { return m_page->focusWidget() == button; });
    }
    int cellWhere(const std::function<bool(const QAbstractButton *)> &holds) const {
        for (int index = 1; index <= dayCellCount; ++index) {
            if (holds(cell(index)))
                return index;
        }
        return 0;
    }
    std::pair<int, int> selectedAndFocusedCell() const { return {selectedCell(), focusedCell()}; }
    void press(const QKeySequence &keys) { QTest::keySequence(cell(focusedCell()), keys); }
    void click(const char *name) { clickChild(m_page.get(), name); }

private:
    TemporaryFolder m_folder;
    LocalSeconds m_now;
    std::unique_ptr<CalendarPage> m_page;
};

// A Calendar.ini holding one note, in the Shift-JIS the file is kept in.
std::string calendarWith(const char *section, const std::string &text, const std::string &collar) {
    return encodeText("[" + std::string(section) + "]\r\nText=" + text + "\r\nCollar=" + collar +
                          "\r\n",
                      TextEncoding::Cp932);
}

const char october14[] = "2005/10/14(金)";
const char october31[] = "2005/10/31(月)";
const char november1[] = "2005/11/01(火)";

// The bytes a test expects of a whole file, kept beside the tests.
std::string expectedBytes(const char *name) {
    return readBytes(std::filesystem::path(TEST_DATA_DIR) / name);
}

// Sets or clears the immutable flag, which keeps even root from deleting a
// file.
bool setImmutable(const std::filesystem::path &path, bool immutable) {
    const int descriptor = ::open(path.c_str(), O_RDONLY);
    if (descriptor < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(descriptor);
    return done;
}

void answerResetQuestion(QMessageBox::StandardButton answer) {
    answerMessageBox(answer, [](QMessageBox *box) {
        QCOMPARE(box->text(), QStringLiteral("カレンダーを全初期化するよ？いいの？"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
    });
}

// Answers the next message box with `answer` and keeps its text in `text`.
void readMessage(QString &text, QMessageBox::StandardButton answer = QMessageBox::Ok) {
    answerMessageBox(answer, [&text](QMessageBox *box) { text = box->text(); });
}

// Acts on the note editor as soon as it is shown, through its text box.
void whenEditorShown(std::function<void(QWidget *editor, QPlainTextEdit *text)> action) {
    whenModalShown([action = std::move(action)](QWidget *editor) {
        const auto closer = closedAtEnd(editor);
        action(editor, editor->findChild<QPlainTextEdit *>(QStringLiteral("Tex")));
    });
}

// Japanese reaches a text box through the input method, as committed text.
void commitText(QWidget *textBox, const QString &text) {
    QInputMethodEvent input;
    input.setCommitString(text);
    QApplication::sendEvent(textBox, &input);
}

} // namespace

class CalendarPageTest : public QObject {
    Q_OBJECT
private slots:
    // Message boxes are captioned with the program's name, which main sets.
    void initTestCase() {
        installJapaneseFontSubstitutes();
        QCoreApplication::setApplicationName(QStringLiteral("dayglass"));
    }

    void keysStepFromDayToDay_data() {
        QTest::addColumn<year_month_day>("start");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("caption");

        const auto row = [](const char *name, year_month_day start, const QKeySequence &keys,
                            const char *heading, int cell, const char *caption) {
            QTest::newRow(name) << start << keys << QString::fromLatin1(heading) << cell
                                << QString::fromLatin1(caption);
        };
        const QKeySequence enter(Qt::Key_Return);
        const QKeySequence shiftEnter(Qt::ShiftModifier | Qt::Key_Return);
        row("Enter within the month", 2005y / October / 14, enter, "2005  /  10", 21, "15");
        row("keypad Enter", 2005y / October / 14, Qt::KeypadModifier | Qt::Key_Enter, "2005  /  10",
            21, "15");
        row("Enter on 31 December 2005", 2005y / December / 31, enter, "2006  /  01", 1, "1");
        row("Enter on 31 October 2005 in cell 37", 2005y / October / 31, enter, "2005  /  11", 3,
            "1");
        row("Shift+Enter within the month", 2005y / October / 14, shiftEnter, "2005  /  10", 19,
            "13");
        row("Shift+Enter on 1 January 2006", 2006y / January / 1, shiftEnter, "2005  /  12", 35,
            "31");
        row("Shift+Enter on 1 March 2005", 2005y / March / 1, shiftEnter, "2005  /  02", 30, "28");
        row("Shift+Enter on 1 November 2005", 2005y / November / 1, shiftEnter, "2005  /  10", 37,
            "31");
        row("Ctrl+Enter on 1 March 2005", 2005y / March / 1, Qt::ControlModifier | Qt::Key_Return,
            "2005  /  02", 30, "28");
        row("Alt+Enter on 1 March 2005", 2005y / March / 1, Qt::AltModifier | Qt::Key_Return,
            "2005  /  02", 30, "28");
        row("Shift+Enter on the calendar's first day", year{1} / January / 1, shiftEnter,
            "0001  /  01", 2, "1");
        row("Enter on the calendar's last day", 9999y / December / 31, enter, "9999  /  12", 34,
            "31");
        row("other keys change nothing", 2005y / October / 14, Qt::Key_A, "2005  /  10", 20, "14");
    }
    void keysStepFromDayToDay() {
        QFETCH(year_month_day, start);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, heading);
        QFETCH(int, cell);
        QFETCH(QString, caption);
        ShownPage shown{start};
        shown.press(keys);
        QCOMPARE(shown.heading(), heading);
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(cell, cell));
        QCOMPARE(shown.cell(cell)->text(), caption);
        QVERIFY(shown.editorPanelShown());
    }

    void deleteAndBackspaceWipeTheDay_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Delete") << QKeySequence(Qt::Key_Delete);
        QTest::newRow("Backspace") << QKeySequence(Qt::Key_Backspace);
        QTest::newRow("Shift+Delete") << QKeySequence(Qt::ShiftModifier | Qt::Key_Delete);
        QTest::newRow("Ctrl+Backspace") << QKeySequence(Qt::ControlModifier | Qt::Key_Backspace);
    }
    void deleteAndBackspaceWipeTheDay() {
        QFETCH(QKeySequence, keys);
        ShownPage shown(2005y / October / 14, calendarWith(october14, "note", "255") +
                                                  calendarWith(november1, "kept", "255"));
        QCOMPARE(shown.colourOf(20), QColor(Qt::red));
        shown.press(keys);
        QCOMPARE(shown.note(), QString());
        QCOMPARE(shown.colourOf(20), QColor(Qt::black));
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(20, 20));
        QVERIFY(shown.editorPanelShown());
        QCOMPARE(readBytes(shown.calendarFile()), expectedBytes("wiped-day-beside-another.ini"));
    }

    void wipingADayWithoutNoteLeavesAnEmptySection() {
        ShownPage shown(2005y / October / 14);
        shown.press(Qt::Key_Backspace);
        QCOMPARE(readBytes(shown.calendarFile()), expectedBytes("cleared-day.ini"));
        QCOMPARE(shown.selectedCell(), 20);
    }

    void aDayThatCannotBeWipedKeepsItsNoteAndSaysWhy() {
        const std::string notes = calendarWith(october14, "note", "255");
        ShownPage shown(2005y / October / 14, notes);
        std::filesystem::permissions(shown.calendarFile(), std::filesystem::perms::owner_read);
        QString message;
        readMessage(message);
        shown.press(Qt::Key_Delete);
        QCOMPARE(message, QStringLiteral("2005/10/14(金) のメモを消せませんでした\n書き込みが許され"
                                         "ていません（読み取り専用です）"));
        QCOMPARE(readBytes(shown.calendarFile()), notes);
        QCOMPARE(shown.note(), QStringLiteral("note"));
        QCOMPARE(shown.colourOf(20), QColor(Qt::red));
        QCOMPARE(shown.selectedCell(), 20);
    }

    // The editor shows as much of a note as the file gives back and asks
    // before a save would drop the rest.
    void aNoteLongerThanAReadIsShownCutAndSavedOnlyWhenAgreed() {
        const std::string longNote = std::string(990, 'a') + "#CR#" + std::string(300, 'b');
        ShownPage shown(2005y / October / 14, calendarWith(october14, longNote, "0"));
        QString question;
        whenEditorShown([&question](QWidget *editor, QPlainTextEdit *text) {
            QCOMPARE(text->toPlainText().size(), 999 - 4 + 1);
            readMessage(question, QMessageBox::No);
            QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
            QVERIFY(editor->isVisible());
        });
        shown.click("CalendarSet");
        QVERIFY(question.contains(QStringLiteral("続きは消えるよ？いいの？")));
        QCOMPARE(readBytes(shown.calendarFile()), calendarWith(october14, longNote, "0"));
    }

    // Two windows on one folder: the editor opens with what the other window
    // saved after the month was drawn, and a save that finds the day changed
    // again asks first; No keeps both notes for the next save.
    void anotherWindowsNoteIsNeitherHiddenNorLost() {
        ShownPage shown(2005y / October / 14);
        const auto folder = shown.calendarFile().parent_path();
        QVERIFY(saveEditorText(folder, 2005y / October / 14, "B", 0));
        QString question;
        whenEditorShown([&](QWidget *, QPlainTextEdit *text) {
            QCOMPARE(text->toPlainText(), QStringLiteral("B"));
            QVERIFY(saveEditorText(folder, 2005y / October / 14, "B2", 0));
            text->setPlainText(QStringLiteral("A"));
            answerMessageBox(QMessageBox::No, [&question](QMessageBox *box) {
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
                question = box->text();
            });
            QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
            QCOMPARE(text->toPlainText(), QStringLiteral("B2\nA"));
            QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
        });
        shown.click("CalendarSet");
        QVERIFY(question.contains(QStringLiteral("上書きするよ？いいの？")));
        QCOMPARE(DayNoteStore(folder).day(2005y / October / 14).note, "B2#CR#A");
    }

    void clickAndFocusSelectADay() {
        ShownPage shown(2005y / October / 14, calendarWith(november1, "first#CR#second", "0"));
        shown.click("cmdR");
        QTest::mouseClick(shown.cell(4), Qt::LeftButton);
        QCOMPARE(shown.selectedCell(), 4);
        QCOMPARE(shown.note(), QString());
        QTest::keyClick(shown.cell(4), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(shown.focusedCell(), 3);
        QCOMPARE(shown.selectedCell(), 3);
        QCOMPARE(shown.note(), QStringLiteral("first\nsecond"));
        QTest::keyClick(shown.cell(3), Qt::Key_Tab);
        QCOMPARE(shown.selectedCell(), 4);
        QCOMPARE(shown.note(), QString());
    }

    void monthButtonsChangeTheMonth() {
        ShownPage shown(2005y / October / 14, calendarWith(october14, "today", "0"));
        shown.click("cmdR");
        QCOMPARE(shown.heading(), QStringLiteral("2005  /  11"));
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(3, 3));
        shown.click("cmdL");
        shown.click("cmdL");
        QCOMPARE(shown.heading(), QStringLiteral("2005  /  09"));
        QCOMPARE(shown.selectedCell(), 5);
        QCOMPARE(shown.note(), QString());
        shown.click("cmdT");
        QCOMPARE(shown.heading(), QStringLiteral("2005  /  10"));
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(20, 20));
        QCOMPARE(shown.note(), QStringLiteral("today"));
    }

    void theMainWindowSelectsTodayAndTheSelectedDay() {
        ShownPage shown(2005y / October / 31, calendarWith(october31, "today", "0"));
        shown.page().showCurrentMonth();
        QCOMPARE(shown.selectedCell(), 0);
        QCOMPARE(shown.note(), QString());
        QVERIFY(!shown.editorPanelShown());
        shown.child("cmdL")->setFocus();
        shown.page().selectToday();
        QCOMPARE(shown.selectedCell(), 37);
        QCOMPARE(shown.focusedCell(), 0);
        QCOMPARE(shown.note(), QStringLiteral("today"));
        shown.page().reselectSelectedDay();
        QCOMPARE(shown.focusedCell(), 37);
        shown.click("cmdR");
        QVERIFY(!shown.page().focusToday()); // November has no 31st
        QCOMPARE(shown.selectedCell(), 3);
    }

    void resetWipesEveryMonthOnlyWhenAnsweredYes() {
        const std::string notes =
            calendarWith(october14, "note", "255") + calendarWith(november1, "next", "255");
        ShownPage shown(2005y / October / 14, notes);
        answerResetQuestion(QMessageBox::No);
        shown.click("SclFormat");
        QCOMPARE(readBytes(shown.calendarFile()), notes);
        QCOMPARE(shown.note(), QStringLiteral("note"));
        QCOMPARE(shown.selectedCell(), 20);

        answerResetQuestion(QMessageBox::Yes);
        shown.click("SclFormat");
        QVERIFY(!std::filesystem::exists(shown.calendarFile()));
        QCOMPARE(shown.colourOf(20), QColor(Qt::black));
        QCOMPARE(shown.note(), QString());
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(20, 20));
        QVERIFY(shown.editorPanelShown());
        shown.click("cmdR");
        QCOMPARE(shown.colourOf(3), QColor(Qt::black));
        QCOMPARE(shown.note(), QString());
    }

    void resetWithNothingSelectedSelectsDayOne() {
        ShownPage shown(2005y / October / 14, calendarWith(october14, "note", "255"));
        shown.page().showCurrentMonth();
        answerResetQuestion(QMessageBox::Yes);
        shown.click("SclFormat");
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(7, 7));
    }

    void resetOfAFileThatCannotBeDeletedShowsItsNotes() {
        const std::string notes = calendarWith(october14, "kept", "255");
        ShownPage shown(2005y / October / 14, notes);
        if (!setImmutable(shown.calendarFile(), true))
            QSKIP("This file system cannot make a file undeletable.");
        const auto unlock = qScopeGuard([&] { setImmutable(shown.calendarFile(), false); });
        QTest::mouseClick(shown.cell(7), Qt::LeftButton);
        QString message;
        answerMessageBox(QMessageBox::Yes, [&message](QMessageBox *) { readMessage(message); });
        shown.click("SclFormat");
        QCOMPARE(message, QStringLiteral("カレンダーを初期化できませんでした\n書き込みが許されてい"
                                         "ません（読み取り専用です）"));
        QCOMPARE(readBytes(shown.calendarFile()), notes);
        QCOMPARE(shown.colourOf(20), QColor(Qt::red));
        QCOMPARE(shown.selectedCell(), 7);
    }

    void editorOpensForTheSelectedDayAndTheMonthIsRedrawnAfterwards() {
        ShownPage shown(2005y / October / 14,
                        calendarWith(october14, "#CR#first#CR#second", "65535"));
        whenEditorShown([](QWidget *editor, QPlainTextEdit *text) {
            QCOMPARE(editor->objectName(), QStringLiteral("frmCSet"));
            QVERIFY(editor->windowFlags().testFlag(Qt::FramelessWindowHint));
            QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("SettimeL"))->text(),
                     QStringLiteral("2005/10/14(金)"));
            QCOMPARE(text->toPlainText(), QStringLiteral("first\nsecond"));
            QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("ColorPanel"))
                         ->palette()
                         .color(QPalette::Window),
                     QColor(255, 255, 0));
            text->moveCursor(QTextCursor::End);
            QTest::keyClicks(text, QStringLiteral(" and more"));
            clickChild(editor, "Setting");
        });
        shown.click("CalendarSet");
        QCOMPARE(readBytes(shown.calendarFile()), expectedBytes("edited-day.ini"));
        QCOMPARE(shown.note(), QStringLiteral("first\nsecond and more"));
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(20, 20));
        QVERIFY(shown.editorPanelShown());
    }

    void doubleClickEditsTheDayInJapaneseWithAColour() {
        ShownPage shown(2005y / October / 14);
        whenEditorShown([](QWidget *editor, QPlainTextEdit *text) {
            commitText(text, QStringLiteral("今日は"));
            QTest::keyClick(text, Qt::Key_Return);
            QTest::keyClick(text, Qt::Key_Return);
            commitText(text, QStringLiteral("晴れ"));
            whenModalShownAs<QColorDialog>([](QColorDialog *colours) {
                colours->setCurrentColor(QColor(0, 0, 255));
                colours->accept();
            });
            clickChild(editor, "ColorSet");
            QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
        });
        QTest::mouseDClick(shown.cell(20), Qt::LeftButton);
        QCOMPARE(readBytes(shown.calendarFile()), expectedBytes("saved-day.ini"));
        QCOMPARE(shown.note(), QStringLiteral("今日は\n晴れ"));
        QCOMPARE(shown.colourOf(20), QColor(0, 0, 255));
        QCOMPARE(shown.selectedAndFocusedCell(), std::pair(20, 20));

        whenEditorShown([](QWidget *editor, QPlainTextEdit *text) {
            QCOMPARE(text->toPlainText(), QStringLiteral("今日は\n晴れ"));
            clickChild(editor, "Setting");
        });
        shown.click("CalendarSet");
        QCOMPARE(shown.note(), QStringLiteral("今日は\n晴れ"));
    }

    // An import runs off the window's thread: the window goes on handling its
    // events, and the dialog's cancel stops the work, which the dialog waits
    // for, shown again, until the work has ended.
    void workInTheBackgroundKeepsTheWindowAliveAndStopsOnCancel() {
        ShownPage shown(2005y / October / 14);
        int repaints = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, &shown.page(), [&] {
            shown.page().repaint();
            ++repaints;
        });
        ticker.start(5);
        std::atomic<bool> stopSeen = false;
        bool shownWhileStopping = false;
        whenModalShown([&](QWidget *dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("workProgress"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
            shownWhileStopping = dialog->isVisible();
        });
        runInBackground(&shown.page(), QStringLiteral("読み込んでいます"),
                        [&](std::stop_token stop) {
                            while (!stop.stop_requested())
                                std::this_thread::sleep_for(milliseconds{1});
                            stopSeen = true;
                        });
        QVERIFY(stopSeen);
        QVERIFY(shownWhileStopping);
        // The page kept repainting while the work ran, before the dialog came.
        QVERIFY2(repaints > 3, qPrintable(QString::number(repaints)));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // An import from the page reads the file off the window's thread; the
    // question on characters that Shift-JIS lacks comes once the reading has
    // ended, and the notes are written only as the user then chose.
    void anImportAsksAboutUnstorableCharactersOnceTheFileIsRead() {
        ShownPage shown(2005y / October / 14, calendarWith(october14, "メモ", "255"));
        const std::filesystem::path folder = shown.calendarFile().parent_path();
        writeBytes(folder / "school.ics",
                   "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20051014\r\n"
                   "SUMMARY:Café\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        QString message;
        whenModalShownAs<QFileDialog>([&](QFileDialog *files) {
            files->selectFile(QString::fromStdString((folder / "school.ics").string()));
            static_cast<QDialog *>(files)->accept();
            whenModalShown([&](QWidget *question) {
                const auto closer = closedAtEnd(question);
                QVERIFY(readBytes(shown.calendarFile()) == calendarWith(october14, "メモ", "255"));
                clickChild(question, "cmdReplace");
                readMessage(message);
            });
        });
        QVERIFY(importNotesWithDialog(&shown.page(), folder));
        QVERIFY2(message.contains(QStringLiteral(" 1 日")), qPrintable(message));
        QCOMPARE(DayNoteStore(folder).day(2005y / October / 14).note, "メモ#CR#Caf〓");
    }
};

QTEST_MAIN(CalendarPageTest)
#include "CalendarPageTest.moc"
