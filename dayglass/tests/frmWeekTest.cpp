#include "frmWeek.h"

#include "DataFile.h"
#include "ModalDriver.h"
#include "PeriodEndNotifier.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QtTest>

using namespace std::chrono;

namespace {

// Friday 14 October 2005: October 2005 begins on a Saturday, so day 14 is
// cell 20.
const LocalSeconds today = local_days{2005y / October / 14} + 12h;
const char todaysCell[] = "chkDays_20";

} // namespace

class frmWeekTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_folder;
    std::unique_ptr<frmWeek> m_window;
    LocalSeconds m_now = today;
    // How far the clock moves on at each reading.
    seconds m_stepPerReading{0};

    std::filesystem::path dataFile() const { return m_folder->path() / "Data.ini"; }
    void savePage(const char *value) {
        QVERIFY(cls_IniFile(dataFile().string()).SetDataStr("EntSS", "Inf", value));
    }
    void open() { open(m_folder->path()); }
    void open(const DataFolder &folder) {
        m_window = std::make_unique<frmWeek>(DayglassContext{
            folder, [this] { return std::exchange(m_now, m_now + m_stepPerReading); }});
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    template <typename Child = QWidget> Child *child(const char *name) const {
        return m_window->findChild<Child *>(QString::fromLatin1(name));
    }
    QPushButton *tab(int index) const {
        return m_window->findChild<QPushButton *>(QStringLiteral("CMD_Timer_%1").arg(index));
    }
    QAbstractButton *cell(const char *name) const { return child<QAbstractButton>(name); }
    QAbstractButton *selectedCell() const {
        const auto cells =
            m_window->findChildren<QAbstractButton *>(QRegularExpression(u"^chkDays_"_qs));
        const auto checked = std::ranges::find_if(cells, &QAbstractButton::isChecked);
        return checked == cells.end() ? nullptr : *checked;
    }
    // A style sheet would load Qt's whole style sheet machinery for the run.
    void verifyNoStyleSheet() const {
        for (const QWidget *widget : m_window->findChildren<QWidget *>())
            QVERIFY2(!widget->style()->inherits("QStyleSheetStyle"),
                     qPrintable(widget->objectName()));
    }

    // Closes each message about Data.ini that comes up, counting it.
    static auto countingDataFileMessages(int &messages) {
        return [&messages](QWidget *modal) {
            ++messages;
            QVERIFY(qobject_cast<QMessageBox *>(modal)->text().contains(u"Data.ini"));
            qobject_cast<QDialog *>(modal)->accept();
        };
    }

private slots:
    void init() {
        m_folder = std::make_unique<TemporaryFolder>();
        m_now = today;
        m_stepPerReading = 0s;
    }
    void cleanup() { m_window.reset(); }

    void firstStartShowsTheTimerPageAndSavesIt() {
        open();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("DG"));
        QCOMPARE(m_window->size(), QSize(190, 272));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(child("FRM_Timer")->isVisible());
        QVERIFY(!child("FRM_Calendar")->isVisible());
        QVERIFY(tab(0)->isChecked());
        QCOMPARE(readBytes(dataFile()), "[EntSS]\r\nInf= 0\r\n");
        auto *timer = child<QTimer>("Timer");
        QCOMPARE(timer->interval(), 100);
        QVERIFY(timer->isActive());
        verifyNoStyleSheet();
    }

    void savedCalendarPageOpensOnTodayWithTheFocus() {
        savePage(" 1");
        open();
        QVERIFY(child("FRM_Calendar")->isVisible());
        QVERIFY(!child("FRM_Timer")->isVisible());
        QVERIFY(tab(1)->isChecked());
        QCOMPARE(selectedCell(), cell(todaysCell));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), cell(todaysCell), 1000);
        QCOMPARE(cls_IniFile(dataFile().string()).GetDataStr("EntSS", "Inf"), "1");
        verifyNoStyleSheet();
    }

    // The page is saved in its own form whatever form the file held it in.
    void unknownPageNumbersShowTheTimerPage() {
        for (const char *value : {"5", "-3", "x", "0", "\"0\""}) {
            savePage(value);
            open();
            QVERIFY(child("FRM_Timer")->isVisible());
            QCOMPARE(readBytes(dataFile()), "[EntSS]\r\nInf= 0\r\n");
        }
    }

    void switchingPagesSelectsTodayOnceThenKeepsTheSelection() {
        open();
        QTest::mouseClick(tab(1), Qt::LeftButton);
        QVERIFY(child("FRM_Calendar")->isVisible());
        QCOMPARE(readBytes(dataFile()), "[EntSS]\r\nInf= 1\r\n");
        QCOMPARE(selectedCell(), cell(todaysCell));
        m_window->Timer_Timer();
        QCOMPARE(QApplication::focusWidget(), cell(todaysCell));

        QTest::mouseClick(cell("chkDays_25"), Qt::LeftButton);
        QTest::mouseClick(tab(0), Qt::LeftButton);
        QVERIFY(child("FRM_Timer")->isVisible());
        QCOMPARE(readBytes(dataFile()), "[EntSS]\r\nInf= 0\r\n");

        QTest::mouseClick(tab(1), Qt::LeftButton);
        QCOMPARE(selectedCell(), cell("chkDays_25"));
        QCOMPARE(QApplication::focusWidget(), cell("chkDays_25"));
    }

    void focusStepFollowsTheFileUntilTheCalendarIsSaved() {
        open();
        m_window->Timer_Timer();
        QVERIFY(QApplication::focusWidget() != cell(todaysCell));
        // The first tick after the CALENDAR page has been saved moves the focus
        // to today's cell, even when another day was chosen in between; later
        // ticks leave the focus alone.
        QTest::mouseClick(tab(1), Qt::LeftButton);
        QTest::mouseClick(cell("chkDays_8"), Qt::LeftButton);
        m_window->Timer_Timer();
        QCOMPARE(QApplication::focusWidget(), cell(todaysCell));
        QTest::mouseClick(cell("chkDays_8"), Qt::LeftButton);
        m_window->Timer_Timer();
        QCOMPARE(QApplication::focusWidget(), cell("chkDays_8"));
    }

    // The CALENDAR page shows the month of the start even when it is first
    // shown in the next month.
    void theCalendarShowsTheMonthOfTheStart() {
        m_now = local_days{2005y / October / 31} + 23h + 59min + 59s;
        open();
        m_now += 1s;
        QTest::mouseClick(tab(1), Qt::LeftButton);
        QCOMPARE(child<QLabel>("lblDate")->text(), QStringLiteral("2005  /  10"));
        QCOMPARE(selectedCell(), cell("chkDays_7"));
    }

    // A Data.ini in a folder that may not be written starts without a word
    // while it holds the page already; the first switch that cannot be saved
    // says so, once. A Data.ini that the user made read-only is never written
    // and never told about, even when it holds the page in another form.
    void aPageThatCannotBeSavedIsToldOnce() {
        savePage(" 0");
        std::filesystem::permissions(m_folder->path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        open();
        int messages = 0;
        const auto countAndClose = countingDataFileMessages(messages);
        whenModalShown(countAndClose, 1000);
        QTest::mouseClick(tab(1), Qt::LeftButton);
        QTest::mouseClick(tab(0), Qt::LeftButton);
        QTest::mouseClick(tab(1), Qt::LeftButton);
        whenModalShown(countAndClose, 1000);
        QTest::qWait(1200);
        QCOMPARE(messages, 1);
        QCOMPARE(readBytes(dataFile()), "[EntSS]\r\nInf= 0\r\n");

        m_window.reset();
        std::filesystem::permissions(m_folder->path(), std::filesystem::perms::owner_all);
        savePage("1");
        std::filesystem::permissions(dataFile(), std::filesystem::perms::owner_read);
        whenModalShown(countAndClose, 1000);
        open();
        QTest::mouseClick(tab(0), Qt::LeftButton);
        QTest::qWait(1200);
        QCOMPARE(messages, 1);
        QCOMPARE(readBytes(dataFile()), "[EntSS]\r\nInf=1\r\n");
    }

    // A Data.ini far larger than any that dayglass writes is someone else's:
    // it reads as missing and is never written, and that is told once,
    // however often the ticks and the page switches meet it.
    void aDataFileTooLargeToReadIsToldOnceAndLeftAlone() {
        const std::string planted = "[EntSS]\r\nInf= 1\r\n" + std::string(64 * 1024, ';');
        writeBytes(dataFile(), planted);
        int messages = 0;
        const auto countAndClose = countingDataFileMessages(messages);
        whenModalShown(countAndClose, 1000);
        open();
        QCOMPARE(messages, 1);
        QVERIFY(child("FRM_Timer")->isVisible());
        whenModalShown(countAndClose, 1000);
        m_window->Timer_Timer();
        QTest::mouseClick(tab(1), Qt::LeftButton);
        m_window->Timer_Timer();
        QTest::qWait(1200);
        QCOMPARE(messages, 1);
        QVERIFY(readBytes(dataFile()) == planted);
    }

    // A copy of the program in a folder that the user may not write shows the
    // period and the notes beside it. The start's save of the page makes the
    // user's Data.ini from the original, every key kept, and later starts read
    // it; the notes are read beside the program until the user saves one.
    void aReadOnlyProgramFolderGivesItsFiles() {
        TemporaryFolder program;
        const std::string period = "; the period\r\n[Start]\r\nYear=2005\r\nMonth=10\r\nDay=1\r\n"
                                   "Hour=0\r\nMinute=0\r\nSecond=0\r\n[End]\r\nYear=2006\r\n"
                                   "Month=3\r\nDay=31\r\nHour=0\r\nMinute=0\r\nSecond=0\r\n"
                                   "[Options]\r\nOwn=kept\r\n";
        writeBytes(program / "Data.ini", period);
        writeBytes(program / "Calendar.ini", "[2005/10/14\x28\x8B\xE0\x29]\r\nText=rain\r\n");
        std::filesystem::permissions(program.path(), static_cast<std::filesystem::perms>(0555));
        const DataFolder folder{m_folder->path() / "dayglass", program.path()};
        open(folder);
        QCOMPARE(child<QLabel>("STime")->text(), QStringLiteral("2005/10/01"));
        QCOMPARE(readBytes(folder.path / "Data.ini"), period + "[EntSS]\r\nInf= 0\r\n");
        QTest::mouseClick(tab(1), Qt::LeftButton);
        QCOMPARE(child<QLabel>("lblText")->text(), QStringLiteral("rain"));
        QVERIFY(!std::filesystem::exists(folder.path / "Calendar.ini"));

        m_window.reset();
        std::filesystem::permissions(program.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        writeBytes(program / "Data.ini", "[Start]\r\nYear=1999\r\n");
        open(folder);
        QTest::mouseClick(tab(0), Qt::LeftButton);
        QCOMPARE(child<QLabel>("STime")->text(), QStringLiteral("2005/10/01"));
    }

    // The menu key on the focused tab opens the TIMER page's menu; without a
    // tray the tray's item says why it cannot be chosen, and the lead chosen
    // is kept beside the other options and shown checked.
    void theTimerMenuKeepsTheWarningsLead() {
        open();
        tab(0)->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});
        QApplication::sendEvent(tab(0), &menuKey);
        auto *menu = child<QMenu>("TimerMenu");
        QTRY_VERIFY(menu && menu->isVisible());
        QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.at(0)->text(), u"トレイに表示"_qs);
        QVERIFY(!actions.at(0)->isEnabled());
        QVERIFY(!actions.at(0)->toolTip().isEmpty());
        QList<QAction *> leads = actions.at(1)->menu()->actions();
        QCOMPARE(leads.size(), 5);
        QCOMPARE(leads.at(2)->text(), u"15分前"_qs);
        QVERIFY(leads.at(0)->isChecked());
        leads.at(2)->trigger();
        menu->hide();
        QCOMPARE(readBytes(dataFile()), "[EntSS]\r\nInf= 0\r\n[Options]\r\nWarnBefore=15\r\n");
        QApplication::sendEvent(child("FRM_Timer"), &menuKey);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(leads.at(2)->isChecked());
    }

    void settingButtonReloadsThePeriodAfterTheDialog() {
        QVERIFY(writePeriodTexts(m_folder->path(), {{"2005", "10", "10", "9", "0", "0"},
                                                    {"2006", "12", "30", "18", "0", "0"}}));
        open();
        QSignalSpy ended(m_window->findChild<PeriodEndNotifier *>(),
                         &PeriodEndNotifier::periodEnded);
        whenModalShown([](QWidget *dialog) {
            auto *endYear = dialog->findChild<QLineEdit *>(QStringLiteral("EYear"));
            endYear->setText(QStringLiteral("2010"));
            clickChild(dialog, "Setting");
        });
        QTest::mouseClick(child("Setting"), Qt::LeftButton);
        QCOMPARE(child<QLabel>("ETime")->text(), QStringLiteral("2010/12/30"));
        // The end told is the new one, at the tick that reaches it, even on a
        // clock that moves on between two readings.
        m_now = local_days{2010y / December / 30} + 18h - 1s;
        m_stepPerReading = 1s;
        m_window->Timer_Timer();
        QCOMPARE(child<QLabel>("L_Second")->text(), QStringLiteral("1"));
        QCOMPARE(ended.count(), 0);
        m_window->Timer_Timer();
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(frmWeekTest)
#include "frmWeekTest.moc"
