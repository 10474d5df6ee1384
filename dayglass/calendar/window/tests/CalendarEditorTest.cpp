#include "DayNoteStore.h"
#include "JapaneseFonts.h"
#include "MessageBoxAnswer.h"
#include "ModalDriver.h"
#include "TemporaryFolder.h"
#include "frmCSet.h"

#include <QColorDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QtTest>

namespace {

// An editor for 14 October 2005 on screen, with Calendar.ini in a fresh
// folder.
class OpenEditor {
public:
    explicit OpenEditor(const StoredDay &day = {})
        : m_editor(m_folder.path(), std::chrono::year{2005} / 10 / 14, day, SaveOver::Anything) {
        m_editor.show();
    }

    frmCSet &editor() { return m_editor; }
    QPlainTextEdit *text() { return m_editor.findChild<QPlainTextEdit *>(QStringLiteral("Tex")); }
    QColor panelColour() {
        return m_editor.findChild<QLabel *>(QStringLiteral("ColorPanel"))
            ->palette()
            .color(QPalette::Window);
    }
    void click(const char *name) { clickChild(&m_editor, name); }
    std::string saved() const { return readBytes(m_folder / calendarFileName); }
    std::filesystem::path file() const { return m_folder / calendarFileName; }

    // Saves with "設定更新", answers the message that follows with `answer`
    // and returns its text.
    QString messageOnSave(QMessageBox::StandardButton answer = QMessageBox::Ok) {
        QString text;
        answerMessageBox(answer, [&text](QMessageBox *box) {
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            text = box->text();
        });
        click("Setting");
        return text;
    }

private:
    TemporaryFolder m_folder;
    frmCSet m_editor;
};

// Calendar.ini holding a note for 2005/10/14(金), whose heading is in CP932.
std::string fridayWith(const std::string &text, const std::string &collar) {
    return "[2005/10/14\x28\x8B\xE0\x29]\r\nText=" + text + "\r\nCollar=" + collar + "\r\n";
}

} // namespace

class CalendarEditorTest : public QObject {
    Q_OBJECT
private slots:
    // Message boxes are captioned with the program's name, which main sets.
    void initTestCase() {
        installJapaneseFontSubstitutes();
        QCoreApplication::setApplicationName(QStringLiteral("dayglass"));
    }

    void opensCentredWithTheDayAndItsNote() {
        OpenEditor open({"first#CR#second", OleColor{0x00FFFF}});
        QCOMPARE(open.editor().findChild<QLabel *>(QStringLiteral("SettimeL"))->text(),
                 QStringLiteral("2005/10/14(金)"));
        QCOMPARE(open.text()->toPlainText(), QStringLiteral("first\nsecond"));
        QCOMPARE(open.panelColour(), QColor(255, 255, 0));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY((open.editor().geometry().center() - screen.center()).manhattanLength() <= 2);
    }

    void otherEntersBreakTheLine_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Enter") << QKeySequence(Qt::Key_Return);
        QTest::newRow("keypad Enter") << QKeySequence(Qt::KeypadModifier | Qt::Key_Enter);
        QTest::newRow("Ctrl+Enter") << QKeySequence(Qt::ControlModifier | Qt::Key_Return);
        QTest::newRow("Shift+Ctrl+Enter")
            << QKeySequence(Qt::ShiftModifier | Qt::ControlModifier | Qt::Key_Return);
        QTest::newRow("Alt+Enter") << QKeySequence(Qt::AltModifier | Qt::Key_Return);
    }
    void otherEntersBreakTheLine() {
        QFETCH(QKeySequence, keys);
        OpenEditor open;
        QTest::keyClicks(open.text(), QStringLiteral("first"));
        QTest::keySequence(open.text(), keys);
        QTest::keyClicks(open.text(), QStringLiteral("second"));
        QVERIFY(open.editor().isVisible());
        QCOMPARE(open.text()->toPlainText(), QStringLiteral("first\nsecond"));
        open.click("Setting");
        QCOMPARE(open.saved(), fridayWith("first#CR#second", "0"));
    }

    void cancellingTheColourChooserKeepsTheColour_data() {
        QTest::addColumn<OleColor>("colour");
        QTest::addColumn<QColor>("shown");
        QTest::addColumn<QString>("collar");
        QTest::newRow("yellow") << OleColor{0x00FFFF} << QColor(255, 255, 0)
                                << QStringLiteral("65535");
        QTest::newRow("the system's window text")
            << OleColor{0x80000008} << QGuiApplication::palette().color(QPalette::Text)
            << QStringLiteral("-2147483640");
    }
    void cancellingTheColourChooserKeepsTheColour() {
        QFETCH(OleColor, colour);
        QFETCH(QColor, shown);
        QFETCH(QString, collar);
        OpenEditor open({{}, colour});
        whenModalShownAs<QColorDialog>([](QColorDialog *chooser) {
            chooser->setCurrentColor(Qt::blue);
            chooser->reject();
        });
        open.click("ColorSet");
        QCOMPARE(open.panelColour(), shown);
        open.click("Setting");
        QCOMPARE(open.saved(), fridayWith("", collar.toStdString()));
    }

    // Each of these ends in a message, and the editor stays open with the
    // text as typed.
    void notesTheFileCannotKeepAreRefused_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("fileBytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("emoji") << QStringLiteral("晴れ😀") << QByteArray()
                               << QStringLiteral("Shift-JISにない文字（絵文字や韓国語など）は保存"
                                                 "できません\n😀");
        QTest::newRow("too long in UTF-8")
            << QString(334, QChar(0x65E5)) << QByteArray("\xEF\xBB\xBF")
            << QStringLiteral("メモが長すぎます（1002バイト、999バイトまでです）");
    }
    void notesTheFileCannotKeepAreRefused() {
        QFETCH(QString, note);
        QFETCH(QByteArray, fileBytes);
        QFETCH(QString, message);
        OpenEditor open({note.toStdString()});
        writeBytes(open.file(), fileBytes.toStdString());
        QCOMPARE(open.messageOnSave(), message);
        QVERIFY(open.editor().isVisible());
        QCOMPARE(open.text()->toPlainText(), note);
        QCOMPARE(open.saved(), fileBytes.toStdString());
    }

    void aCutNoteIsSavedOnlyWhenTheUserAgrees() {
        OpenEditor open({"beginning", oleBlack, true});
        QCOMPARE(open.messageOnSave(QMessageBox::No),
                 QStringLiteral("このメモは長すぎて、途中までしか読めていません。\n保存すると続き"
                                "は消えるよ？いいの？"));
        QVERIFY(open.editor().isVisible());
        QCOMPARE(open.saved(), std::string());
        open.messageOnSave(QMessageBox::Yes);
        QVERIFY(!open.editor().isVisible());
        QCOMPARE(open.saved(), fridayWith("beginning", "0"));
    }

    void closesOnlyWhenShiftEnterSavesWithoutALineBreak() {
        OpenEditor open;
        QTest::keyClicks(open.text(), QStringLiteral("first"));
        QTest::keyClick(&open.editor(), Qt::Key_Escape);
        QVERIFY(open.editor().isVisible());
        open.editor().close();
        QVERIFY(open.editor().isVisible());
        QCOMPARE(open.saved(), std::string());
        QTest::keyClick(open.text(), Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(!open.editor().isVisible());
        QCOMPARE(open.saved(), fridayWith("first", "0"));
    }
};

QTEST_MAIN(CalendarEditorTest)
#include "CalendarEditorTest.moc"
