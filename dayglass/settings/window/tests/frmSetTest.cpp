#include "frmSet.h"

#include "MessageBoxAnswer.h"
#include "QuotedName.h"
#include "TemporaryFolder.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

namespace {

const char *const fieldNames[] = {"SYear", "SMonth", "SDay", "SHour", "SMinute", "SSecond",
                                  "EYear", "EMonth", "EDay", "EHour", "EMinute", "ESecond"};

const std::string storedPeriod = "[Start]\r\nYear=2006\r\nMonth=03\r\nDay=5\r\nHour=9\r\n"
                                 "Minute=0\r\nSecond=00\r\n[End]\r\nYear=2007\r\nMonth=3\r\n"
                                 "Day=1\r\nHour=17\r\nMinute=30\r\nSecond=0\r\n";

} // namespace

class frmSetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_folder;
    std::unique_ptr<frmSet> m_dialog;

    QLineEdit *field(const char *name) const {
        return m_dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QStringList fieldTexts() const {
        QStringList texts;
        for (const char *name : fieldNames)
            texts << field(name)->text();
        return texts;
    }
    QColor background(const char *name) const {
        return field(name)->palette().color(QPalette::Base);
    }
    void clickSetting() { clickChild(m_dialog.get(), "Setting"); }
    std::string dataFile() const { return readBytes(m_folder->path() / "Data.ini"); }

    // Clicks the save button, answers the message box and returns its text.
    QString messageOnSave() {
        QString text;
        answerMessageBox(QMessageBox::Ok, [&text](QMessageBox *box) {
            text = box->text();
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
        });
        clickSetting();
        return text;
    }

private slots:
    // Message boxes are captioned with the program's name, which main sets.
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("dayglass")); }

    void init() {
        m_folder = std::make_unique<TemporaryFolder>();
        writeBytes(m_folder->path() / "Data.ini", storedPeriod);
        m_dialog = std::make_unique<frmSet>(DayglassContext{m_folder->path(), {}});
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void cleanup() { m_dialog.reset(); }

    void opensWithTheStoredTextsAndTheFirstFieldRed() {
        QCOMPARE(fieldTexts().join(QLatin1Char(' ')),
                 QStringLiteral("2006 03 5 9 0 00 2007 3 1 17 30 0"));
        QVERIFY(m_dialog->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(m_dialog->size(), QSize(353, 160));
        QCOMPARE(QApplication::focusWidget(), field("SYear"));
        QCOMPARE(background("SYear"), Qt::red);
        QCOMPARE(field("SYear")->selectedText(), QStringLiteral("2006"));
        QCOMPARE(background("SMonth"), Qt::white);
    }

    // The limits are on typing: a text stored by hand shows whole, saves as
    // it stands and can still be edited.
    void storedTextsShowWholeAndTypingKeepsTheLimits() {
        const std::string handEdited = "[Start]\r\nYear=20060\r\nMonth=0003\r\nDay=3.5\r\n"
                                       "Hour=+9\r\nMinute=0\r\nSecond=0\r\n[End]\r\nYear=2007\r\n"
                                       "Month=3\r\nDay=1\r\nHour=17\r\nMinute=30\r\nSecond=0\r\n";
        writeBytes(m_folder->path() / "Data.ini", handEdited);
        m_dialog = std::make_unique<frmSet>(DayglassContext{m_folder->path(), {}});
        QCOMPARE(fieldTexts().mid(0, 4).join(QLatin1Char(' ')),
                 QStringLiteral("20060 0003 3.5 +9"));
        clickSetting();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(dataFile(), handEdited);

        m_dialog = std::make_unique<frmSet>(DayglassContext{m_folder->path(), {}});
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        field("SDay")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field("SDay"), Qt::Key_End);
        QTest::keyClick(field("SDay"), Qt::Key_Backspace);
        QCOMPARE(field("SDay")->text(), QStringLiteral("3."));
        field("SYear")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field("SYear"), QStringLiteral("123456"));
        QCOMPARE(field("SYear")->text(), QStringLiteral("1234"));
    }

    void missingKeysGiveEmptyFields() {
        std::filesystem::remove(m_folder->path() / "Data.ini");
        frmSet dialog(DayglassContext{m_folder->path(), {}});
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("SYear"))->text(), QString());
    }

    void fieldsTakeDigitsAndBackspaceOnly() {
        QLineEdit *day = field("SDay");
        day->setFocus();
        day->clear();
        QTest::keyClicks(day, QStringLiteral("a-1. x"));
        QCOMPARE(day->text(), QStringLiteral("1"));
        QTest::keyClicks(day, QStringLiteral("23"));
        QCOMPARE(day->text(), QStringLiteral("12"));
        QTest::keyClick(day, Qt::Key_Backspace);
        QCOMPARE(day->text(), QStringLiteral("1"));
        QTest::keyClick(day, Qt::Key_V, Qt::ControlModifier); // no paste past the filter
        QCOMPARE(day->text(), QStringLiteral("1"));
    }

    void focusTurnsOneFieldRedAndSelectsItsText() {
        field("SSecond")->setFocus();
        QTest::keyClick(field("SSecond"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field("EYear"));
        QCOMPARE(background("SSecond"), Qt::white);
        QCOMPARE(background("EYear"), Qt::red);
        QCOMPARE(field("EYear")->selectedText(), QStringLiteral("2007"));
        int redFields = 0;
        for (const char *name : fieldNames)
            redFields += background(name) == Qt::red;
        QCOMPARE(redFields, 1);

        field("EDay")->clear();
        field("EDay")->setFocus();
        QCOMPARE(background("EDay"), Qt::red);
        QCOMPARE(field("EDay")->selectedText(), QString());
        QTest::keyClick(field("EDay"), Qt::Key_7);
        QCOMPARE(field("EDay")->text(), QStringLiteral("7"));
    }

    void typingReplacesTheSelectedValue() {
        QLineEdit *hour = field("SHour");
        hour->setText(QStringLiteral("12"));
        field("SMinute")->setFocus();
        QTest::keyClick(field("SMinute"), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClicks(hour, QStringLiteral("8"));
        QCOMPARE(hour->text(), QStringLiteral("8"));
    }

    void wrongInputShowsOneMessageAndWritesNothing() {
        field("EMonth")->setText(QStringLiteral("13"));
        field("SDay")->setText(QStringLiteral("31"));
        QCOMPARE(messageOnSave(), QStringLiteral("開始日が不正です"));
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(field("SDay")->text(), QStringLiteral("31"));
        QCOMPARE(dataFile(), storedPeriod);

        field("SDay")->setText(QStringLiteral("5"));
        QCOMPARE(messageOnSave(), QStringLiteral("終了月が不正です"));

        field("EMonth")->setText(QStringLiteral("3"));
        field("EYear")->setText(QStringLiteral("2006"));
        QCOMPARE(messageOnSave(), QStringLiteral("『開始≧終了』になっています"));

        field("EYear")->clear();
        QCOMPARE(messageOnSave(), QStringLiteral("終了年が不正です"));
        field("ESecond")->setText(QStringLiteral("60"));
        QCOMPARE(messageOnSave(), QStringLiteral("終了秒が不正です"));
        field("SHour")->setText(QStringLiteral("24"));
        QCOMPARE(messageOnSave(), QStringLiteral("開始時間が不正です"));
        QCOMPARE(dataFile(), storedPeriod);
    }

    void saveWritesTheTwelveTextsAsTypedAndCloses() {
        field("SMonth")->setText(QStringLiteral("7"));
        field("EDay")->setText(QStringLiteral("09"));
        QSignalSpy accepted(m_dialog.get(), &QDialog::accepted);
        clickSetting();
        QCOMPARE(accepted.size(), 1);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(dataFile(),
                 "[Start]\r\nYear=2006\r\nMonth=7\r\nDay=5\r\nHour=9\r\nMinute=0\r\nSecond=00\r\n"
                 "[End]\r\nYear=2007\r\nMonth=3\r\nDay=09\r\nHour=17\r\nMinute=30\r\nSecond=0\r\n");
    }

    void aFailedSaveNamesTheFileAndKeepsTheDialogOpen() {
        const std::filesystem::path file = m_folder->path() / "Data.ini";
        std::filesystem::permissions(file, std::filesystem::perms::owner_read);
        field("SMonth")->setText(QStringLiteral("7"));
        QCOMPARE(messageOnSave(),
                 quotedPath(file) +
                     QStringLiteral(" に保存できませんでした\n書き込みが許されていません（読み取り"
                                    "専用です）"));
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(field("SMonth")->text(), QStringLiteral("7"));
        QCOMPARE(dataFile(), storedPeriod);

        // Now Escape and the close ask; Enter takes the default, No.
        QString question;
        whenModalShownAs<QMessageBox>([&question](QMessageBox *box) {
            question = box->windowTitle() + QLatin1Char(':') + box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(field("SMonth"), Qt::Key_Escape);
        QCOMPARE(question, QStringLiteral("dayglass:設定を保存せずに閉じますか？"));
        QVERIFY(m_dialog->isVisible());
        answerMessageBox(QMessageBox::Yes, [](QMessageBox *) {});
        m_dialog->close();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(dataFile(), storedPeriod);
    }

    void unchangedSaveRewritesTheSameValues() {
        clickSetting();
        QCOMPARE(dataFile(), storedPeriod);
    }

    void escapeAndCloseDoNotDismissTheDialogBeforeAFailedSave() {
        QTest::keyClick(field("SYear"), Qt::Key_Escape);
        QVERIFY(m_dialog->isVisible());
        m_dialog->close();
        QVERIFY(m_dialog->isVisible());
    }
};

QTEST_MAIN(frmSetTest)
#include "frmSetTest.moc"
