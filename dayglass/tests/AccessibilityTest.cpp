#include "AccessibleTree.h"
#include "ApplicationSetup.h"
#include "DataFile.h"
#include "DayNoteStore.h"
#include "DaySaving.h"
#include "ModalDriver.h"
#include "TemporaryFolder.h"
#include "frmWeek.h"

#include <QAccessibleValueInterface>
#include <QMessageBox>
#include <QtTest>

using namespace std::chrono;

namespace {

// A period of ten days: each tenth of a day is one percent of it.
const PeriodTexts tenDays{{"2005", "10", "1", "0", "0", "0"}, {"2005", "10", "11", "0", "0", "0"}};
const LocalSeconds periodEnd = local_days{2005y / October / 11};

// Friday 14 October 2005, which lies in cell 20 of its month.
const LocalSeconds calendarDay = local_days{2005y / October / 14} + 12h;

} // namespace

// What a screen reader finds in dayglass: every control under the text it
// shows, the pages under their tabs, the bar's share, each day's date and note.
class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_folder;
    LocalSeconds m_now = calendarDay;
    std::unique_ptr<frmWeek> m_window;

    void open(int savedPage) {
        QVERIFY(writePeriodTexts(m_folder->path(), tenDays));
        QVERIFY(writeShownPage(m_folder->path(), savedPage));
        m_window =
            std::make_unique<frmWeek>(DayglassContext{m_folder->path(), [this] { return m_now; }});
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    QAccessibleInterface *accessible(const char *objectName) const {
        return QAccessible::queryAccessibleInterface(
            m_window->findChild<QWidget *>(QString::fromLatin1(objectName)));
    }
    QAccessibleInterface *bar() const { return accessible("SSFrame1"); }
    QString name(const char *objectName) const {
        return accessible(objectName)->text(QAccessible::Name);
    }
    // Presses a control through its accessible interface, as a screen reader
    // does, and hands the modal window that opens to `inspect`; the window is
    // closed once inspected.
    void pressAndInspect(const QString &buttonName, std::function<void(QWidget *)> inspect) {
        bool inspected = false;
        whenModalShown([&](QWidget *modal) {
            const auto closer = closedAtEnd(modal);
            inspect(modal);
            inspected = true;
        });
        QAccessibleInterface *button = reachableByName(m_window.get(), buttonName);
        QVERIFY2(button, qPrintable(buttonName));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(inspected);
    }

private slots:
    void initTestCase() { frmWeek::installAccessibleInterfaces(); }
    void init() {
        m_folder = std::make_unique<TemporaryFolder>();
        m_now = calendarDay;
    }
    void cleanup() { m_window.reset(); }

    void everyControlOfBothPagesIsReadWithItsText() {
        QVERIFY(saveEditorText(m_folder->path(), 2005y / October / 14, "歯医者\n15:00", oleRed));
        open(0);
        QStringList faults = unreadableControls(m_window.get());
        clickChild(m_window.get(), "CMD_Timer_1");
        faults += unreadableControls(m_window.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void pagesAreReadUnderTheirTabs() {
        open(1);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("DG"));
        QCOMPARE(name("FRM_Timer"), QStringLiteral("TIMER"));
        QCOMPARE(name("FRM_Calendar"), QStringLiteral("CALENDAR"));
        QVERIFY(accessible("CMD_Timer_1")->state().checked);
        QVERIFY(!accessible("CMD_Timer_0")->state().checked);
        // A screen reader finds the page shown, and not the one behind it.
        QVERIFY(!accessible("FRM_Calendar")->state().invisible);
        QVERIFY(accessible("FRM_Timer")->state().invisible);
    }

    void theBarSaysTheShareLeftAndThenTheOverrun() {
        m_now = periodEnd - days{4} - hours{4} - minutes{48};
        open(0);
        QCOMPARE(bar()->role(), QAccessible::ProgressBar);
        QCOMPARE(bar()->text(QAccessible::Name), QStringLiteral("残時間 42%"));
        QAccessibleValueInterface *value = bar()->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 42);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 100);

        m_now = periodEnd + days{4};
        m_window->Timer_Timer();
        QCOMPARE(bar()->text(QAccessible::Name), QStringLiteral("超過 40%"));
        QCOMPARE(value->currentValue().toInt(), 40);
    }

    void dayCellsSayTheirDateAndTheirNote() {
        QVERIFY(saveEditorText(m_folder->path(), 2005y / October / 14, "歯医者\n15:00", oleRed));
        open(1);
        QAccessibleInterface *today = accessible("chkDays_20");
        QCOMPARE(today->text(QAccessible::Name), QStringLiteral("2005年10月14日(金)、メモあり"));
        QCOMPARE(today->text(QAccessible::Description), QStringLiteral("歯医者\n15:00"));
        QVERIFY(today->state().checked);
        QCOMPARE(name("chkDays_21"), QStringLiteral("2005年10月15日(土)"));
        QVERIFY(accessible("chkDays_1")->state().invisible);

        // The names follow the month shown.
        clickChild(m_window.get(), "cmdR");
        QCOMPARE(name("chkDays_3"), QStringLiteral("2005年11月1日(火)"));
        QCOMPARE(accessible("chkDays_3")->text(QAccessible::Description), QString());
    }

    void thePeriodDialogReadsEachFieldUnderItsCaptions() {
        open(0);
        QString dialogName;
        QStringList names;
        QStringList values;
        pressAndInspect(QStringLiteral("時間設定"), [&](QWidget *dialog) {
            dialogName = QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name);
            for (QAccessibleInterface *node : reachableInterfaces(dialog)) {
                if (node->role() == QAccessible::EditableText) {
                    names << node->text(QAccessible::Name);
                    values << node->text(QAccessible::Value);
                }
            }
        });
        QCOMPARE(dialogName, QStringLiteral("時間設定"));
        QCOMPARE(names, (QStringList{u"開始 年"_qs, u"開始 月"_qs, u"開始 日"_qs, u"開始 時"_qs,
                                     u"開始 分"_qs, u"開始 秒"_qs, u"終了 年"_qs, u"終了 月"_qs,
                                     u"終了 日"_qs, u"終了 時"_qs, u"終了 分"_qs, u"終了 秒"_qs}));
        QCOMPARE(values, (QStringList{u"2005"_qs, u"10"_qs, u"1"_qs, u"0"_qs, u"0"_qs, u"0"_qs,
                                      u"2005"_qs, u"10"_qs, u"11"_qs, u"0"_qs, u"0"_qs, u"0"_qs}));
    }

    void theNoteEditorReadsTheNoteUnderItsDay() {
        QVERIFY(saveEditorText(m_folder->path(), 2005y / October / 14, "歯医者\n15:00", oleRed));
        open(1);
        QStringList faults;
        QStringList names; // the editor's, the note's and the colour's
        QString note;
        pressAndInspect(QStringLiteral("設定"), [&](QWidget *editor) {
            faults = unreadableControls(editor);
            const auto read = [editor](const QString &objectName, QAccessible::Text text) {
                QWidget *widget =
                    objectName.isEmpty() ? editor : editor->findChild<QWidget *>(objectName);
                return QAccessible::queryAccessibleInterface(widget)->text(text);
            };
            names = {read({}, QAccessible::Name), read(u"Tex"_qs, QAccessible::Name),
                     read(u"ColorPanel"_qs, QAccessible::Name)};
            note = read(u"Tex"_qs, QAccessible::Value);
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QCOMPARE(names, (QStringList{u"2005/10/14(金)"_qs, u"2005/10/14(金)"_qs, u"#FF0000"_qs}));
        QCOMPARE(note, QStringLiteral("歯医者\n15:00"));
    }

    // Under another language than Japanese, nothing of the pages, the
    // dialogs and the messages reads in Japanese but the note. Run by the
    // variants under English and German locales.
    void everyWindowSpeaksTheUsersLanguage() {
        installTranslations();
        if (QLocale().language() == QLocale::Japanese)
            QSKIP("the variants under English and German locales run this");
        const QStringList note{QStringLiteral("歯医者"), QStringLiteral("15:00")};
        QVERIFY(saveEditorText(m_folder->path(), 2005y / October / 14, "歯医者\n15:00", oleRed));
        open(0);
        QStringList japanese = japaneseTexts(m_window.get());
        pressAndInspect(QStringLiteral("Set period"), [&](QWidget *dialog) {
            japanese += japaneseTexts(dialog);
            dialog->findChild<QLineEdit *>(QStringLiteral("SMonth"))->setText(QStringLiteral("13"));
            whenModalShownAs<QMessageBox>(
                [&](QMessageBox *refusal) { japanese += japaneseTexts(refusal); });
            clickChild(dialog, "Setting");
        });
        clickChild(m_window.get(), "CMD_Timer_1");
        japanese += japaneseTexts(m_window.get(), note);
        pressAndInspect(QStringLiteral("Edit"),
                        [&](QWidget *editor) { japanese += japaneseTexts(editor, note); });
        pressAndInspect(QStringLiteral("Clear"),
                        [&](QWidget *question) { japanese += japaneseTexts(question); });
        QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
