#include "DayNoteStore.h"
#include "JapaneseFonts.h"
#include "RealInput.h"
#include "TemporaryFolder.h"
#include "frmCSet.h"
#include "frmSet.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using namespace std::chrono;

// Typing through ibus with Mozc in Hiragana (scripts/with-input-method.sh): the
// keys become text under composition, which belongs to the field as much as
// the text already committed.
class InputMethodTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseFontSubstitutes(); }

    void aSaveKeepsTheTextStillUnderComposition() {
        TemporaryFolder folder;
        frmCSet editor(folder.path(), 2005y / October / 14, StoredDay{}, SaveOver::Anything);
        RealInput::showActive(&editor);
        auto *text = editor.findChild<QPlainTextEdit *>(QStringLiteral("Tex"));
        RealInput::type(QStringLiteral("kyouha"));
        RealInput::key(QStringLiteral("space"));
        RealInput::key(QStringLiteral("Return"));
        QTRY_COMPARE(text->toPlainText(), QStringLiteral("今日は"));
        // Typed, shown, but not yet committed.
        RealInput::type(QStringLiteral("kumori"));
        QTest::qWait(300);
        QCOMPARE(text->toPlainText(), QStringLiteral("今日は"));

        RealInput::click(editor.findChild<QWidget *>(QStringLiteral("Setting")));
        QTRY_VERIFY(!editor.isVisible());
        // 今日はくもり in Shift-JIS.
        QCOMPARE(readBytes(folder / calendarFileName),
                 "[2005/10/14(\x8B\xE0)]\r\nText=\x8D\xA1\x93\xFA\x82\xCD\x82\xAD\x82\xE0\x82\xE8"
                 "\r\nCollar=0\r\n");
    }

    void periodFieldsTakeDigitsWhateverTheInputMethodsState() {
        TemporaryFolder folder;
        writeBytes(folder / "Data.ini", "[Start]\r\nMonth=3\r\n");
        frmSet dialog({folder.path(), {}});
        RealInput::showActive(&dialog);
        auto *month = dialog.findChild<QLineEdit *>(QStringLiteral("SMonth"));
        RealInput::click(month);
        QTRY_COMPARE(month->selectedText(), QStringLiteral("3"));
        RealInput::type(QStringLiteral("1a2"));
        QTRY_COMPARE(month->text(), QStringLiteral("12"));
        QCOMPARE(month->inputMethodQuery(Qt::ImEnabled).toBool(), false);
    }
};

QTEST_MAIN(InputMethodTest)
#include "InputMethodTest.moc"
