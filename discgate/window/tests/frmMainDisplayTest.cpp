#include "MenuDescription.h"
#include "ModalDriver.h"
#include "PictureButton.h"
#include "RealInput.h"
#include "RecordingOpener.h"
#include "TemporaryFolder.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QtTest>
#include <sys/stat.h>

namespace {

// A background drawn for the client area, (Width - 6) × (Height - 6), with a
// marker square where launch button 1 is meant to sit; button 2 asks a
// question full of markup, one part of which names a pipe that would block a
// reader for ever; button 3 ends the launcher after its start.
const std::string description =
    "[MainForm]\r\nWidth=206\r\nHeight=156\r\nBackground=back.png\r\n"
    "[OpenPosition]\r\nX=Center\r\nY=Center\r\n"
    "[CloseBtn]\r\nX=180\r\nY=4\r\nDefaultBtn=button.png\r\n"
    "[BtmMax]\r\nNum=3\r\n"
    "[Btn1]\r\nX=20\r\nY=30\r\nExeFile=readme.txt\r\nDefaultBtn=button.png\r\n"
    "[Btn2]\r\nX=20\r\nY=90\r\nExeFile=readme.txt\r\nDefaultBtn=button.png\r\n"
    "Message=<b>Bold</b> &amp; <img src=\"pipe\">\r\nTitle=<i>Question</i>\r\n"
    "[Btn3]\r\nX=120\r\nY=90\r\nExeFile=readme.txt\r\nDefaultBtn=button.png\r\nClose=Yes\r\n";

const QString question = QStringLiteral("<b>Bold</b> &amp; <img src=\"pipe\">");

} // namespace

// The launcher window on a real X display with a window manager, driven by
// real clicks: what a user sees and gets, where offscreen tests cannot tell.
class frmMainDisplayTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_medium;
    RecordingOpener m_opener;
    std::unique_ptr<frmMain> m_window;

    PictureButton *button(int index) const {
        return m_window->findChildren<PictureButton *>().at(index);
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("discgate")); }

    void init() {
        m_medium = std::make_unique<TemporaryFolder>();
        writeBytes(*m_medium / "Autorun.inf", description);
        QImage background(200, 150, QImage::Format_RGB32);
        background.fill(Qt::blue);
        QPainter(&background).fillRect(20, 30, 40, 30, Qt::yellow);
        QVERIFY(background.save(QString::fromStdString((*m_medium / "back.png").string())));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(QString::fromStdString((*m_medium / "button.png").string())));
        writeBytes(*m_medium / "readme.txt", "Read me.\n");
        QCOMPARE(::mkfifo((*m_medium / "pipe").c_str(), 0600), 0);
        m_opener = RecordingOpener();
        m_window = std::make_unique<frmMain>(m_medium->path(), m_opener);
        QVERIFY(m_window->Form_Load(*readLauncherDescription(m_medium->path())));
        m_window->show();
        // A busy machine may take a while to map it.
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), 20000));
        QTest::qWait(200);
    }
    void cleanup() { m_window.reset(); }

    // The screen shows the background from the client area's corner to its
    // far edges, with no white band, and button 1 exactly over its marker.
    void backgroundFillsTheClientAreaAndButtonsSitWhereDrawn() {
        const QRect frame = m_window->frameGeometry();
        QCOMPARE(frame.size(), QSize(206, 156));
        const QImage shown =
            m_window->screen()->grabWindow(0, frame.x(), frame.y(), 206, 156).toImage();
        const QRgb blue = QColor(Qt::blue).rgb();
        const QRgb red = QColor(Qt::red).rgb();
        const QRgb shadow = m_window->palette().color(QPalette::Shadow).rgb();
        const QRgb light = m_window->palette().color(QPalette::Button).rgb();
        // The background's corners, the frame's edges, and the marker's.
        const std::pair<QPoint, QRgb> pixels[] = {
            {{3, 3}, blue},      {{202, 152}, blue},   {{202, 3}, blue}, {{3, 152}, blue},
            {{205, 80}, shadow}, {{100, 155}, shadow}, {{2, 80}, light}, {{203, 80}, light},
            {{23, 33}, red},     {{62, 62}, red},      {{22, 33}, blue}, {{63, 62}, blue}};
        for (const auto &[point, colour] : pixels)
            QCOMPARE(std::pair(point, shown.pixel(point)), std::pair(point, colour));
    }

    void doubleClickStartsOnce() {
        RealInput::click(button(1), QPoint(-1, -1), 2);
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 300);
        QCOMPARE(m_opener.actions.size(), std::size_t(1));
        // A later click starts it again (elsewhere on the button, because the
        // pointer must move for the click to be sent).
        RealInput::click(button(1), QPoint(5, 5));
        QTRY_COMPARE(m_opener.actions.size(), std::size_t(2));
    }

    void questionShowsMarkupAsWritten() {
        QString text;
        QString caption;
        Qt::TextFormat format = Qt::RichText;
        whenModalShownAs<QMessageBox>([&](QMessageBox *box) {
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            text = label->text();
            format = label->textFormat();
            caption = box->windowTitle();
            box->button(QMessageBox::No)->click();
        });
        RealInput::click(button(2));
        QTRY_COMPARE(text, question);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(caption, QStringLiteral("<i>Question</i>"));
        QVERIFY(m_opener.actions.empty());
    }

    // With Close=Yes the menu goes at the click; the message of a failed start
    // then comes up on its own, in front and with the keyboard, so that
    // Return dismisses it; only then does the launcher end.
    void failedStartIsToldOnItsOwnBeforeTheLauncherEnds() {
        m_opener.failure = OpenFailure{OpenProblem::NoProgramForFile, {}};
        QSignalSpy endings(m_window.get(), &frmMain::ended);
        QString text;
        bool aloneInFront = false;
        whenModalShownAs<QMessageBox>([&](QMessageBox *box) {
            QVERIFY(RealInput::waitForKeys(box));
            text = box->windowTitle() + QLatin1Char('|') + box->text();
            // On a busy machine the box may reach the screen a while after
            // it has the focus.
            const auto inFront = [&] {
                const QRect shown = box->geometry();
                const QImage onScreen =
                    box->screen()
                        ->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
                        .toImage();
                return onScreen == box->grab().toImage().convertToFormat(onScreen.format());
            };
            aloneInFront =
                endings.isEmpty() && !m_window->isVisible() && QTest::qWaitFor(inFront, 10000);
            RealInput::key(QStringLiteral("Return"));
        });
        RealInput::click(button(3));
        QTRY_COMPARE(endings.size(), 1);
        QCOMPARE(text, QStringLiteral("discgate|\u2068readme.txt\u2069を開けませんでした。\n\n"
                                      "この種類のファイルを開くプログラムがありません。"));
        QVERIFY(aloneInFront);
    }
};

QTEST_MAIN(frmMainDisplayTest)
#include "frmMainDisplayTest.moc"
