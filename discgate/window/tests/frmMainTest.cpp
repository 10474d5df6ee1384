#include "frmMain.h"

#include "HostilePictures.h"
#include "LauncherMessages.h"
#include "LauncherRun.h"
#include "MenuDescription.h"
#include "ModalDriver.h"
#include "PictureButton.h"
#include "QtPaths.h"
#include "RecordingOpener.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// A medium whose pictures have one colour each, so a test can tell which one a
// button shows. Button 2 overlaps button 1 between x 40-50, y 110-130.
const std::string baseDescription =
    "[MainForm]\r\nWidth=300\r\nHeight=200\r\nBackground=back.png\r\n"
    "[OpenPosition]\r\nX=40\r\nY=50\r\n"
    "[CloseBtn]\r\nX=260\r\nY=5\r\nDefaultBtn=off.png\r\nCrossBtn=on.png\r\n"
    "[BtmMax]\r\nNum=2\r\n"
    "[Btn1]\r\nX=10\r\nY=100\r\nExeFile=readme.txt\r\nDefaultBtn=off.png\r\nCrossBtn=on.png\r\n"
    "[Btn2]\r\nX=40\r\nY=110\r\nExeFile=https://example.com/\r\nDefaultBtn=PICS\\Off2.BMP\r\n"
    "CrossBtn=on.png\r\n";

const QColor background(Qt::blue);
const QColor normal(Qt::red);
const QColor hover(Qt::green);
const QColor normal2(Qt::darkRed);

// The smallest GIF there is, one pixel, because Qt can read GIF but not write it.
const std::string onePixelGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                              "\x21\xf9\x04\x01\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00"
                              "\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
                              43);

void writePicture(const std::filesystem::path &path, QSize size, const QColor &colour,
                  const char *format = "PNG") {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(qtPath(path), format));
}

QColor shownColour(const PictureButton *button) {
    return button->picture().toImage().pixelColor(0, 0);
}

frmMain *visibleLauncher() {
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *launcher = qobject_cast<frmMain *>(widget); launcher && launcher->isVisible())
            return launcher;
    }
    return nullptr;
}

// The buttons are made in the order of their indexes.
PictureButton *buttonOf(const QWidget *window, int index) {
    return window->findChildren<PictureButton *>(QStringLiteral("imgBotton")).value(index);
}

// A click on button `index` (0 the close button) whose section holds these
// Message, Title and Close, the answer to its question, and what follows.
struct Click {
    int index;
    const char *message, *title, *close;
    bool answerYes;
    int starts;
    bool ends;
};

// A key of Autorun.inf set to a value that fails the load (no section: no
// Autorun.inf), and the problem and file that the failure names.
struct BadKey {
    const char *section, *key, *value;
    LoadProblem problem;
    const char *file;
};

} // namespace

class frmMainTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("discgate"));
        qRegisterMetaType<LoadError>();
    }

    void init() {
        m_medium = std::make_unique<TemporaryFolder>();
        m_opener = RecordingOpener();
        writeBytes(*m_medium / "Autorun.inf", baseDescription);
        std::filesystem::create_directory(*m_medium / "pics");
        writePicture(*m_medium / "back.png", {200, 150}, background);
        writePicture(*m_medium / "off.png", {40, 30}, normal);
        writePicture(*m_medium / "on.png", {40, 30}, hover);
        writePicture(*m_medium / "pics" / "off2.bmp", {40, 30}, normal2, "BMP");
        writeBytes(*m_medium / "notes.txt", "This is not a picture.\n");
        writeBytes(*m_medium / "huge.bmp", hugeBmpHeader);
        m_window = std::make_unique<frmMain>(m_medium->path(), m_opener);
    }

    void cleanup() {
        m_window.reset();
        m_medium.reset();
    }

    // The outer size includes a dialog frame 3 pixels wide; the background and
    // the buttons' positions count from the client area inside it.
    void buildsTheWindowAsDescribed() {
        QVERIFY(load());
        QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(m_window->geometry(), QRect(40, 50, 300, 200));
        QCOMPARE(button(0)->mapTo(m_window.get(), QPoint(0, 0)), QPoint(263, 8));
        QCOMPARE(button(0)->geometry(), QRect(260, 5, 40, 30));
        QCOMPARE(button(1)->geometry(), QRect(10, 100, 40, 30));
        QCOMPARE(button(2)->geometry(), QRect(40, 110, 40, 30));
        QCOMPARE(m_window->childAt(48, 123), button(2));

        const QImage shown = m_window->grab().toImage();
        QCOMPARE(shown.pixelColor(3, 3), background);
        QCOMPARE(shown.pixelColor(202, 152), background);
        QCOMPARE(shown.pixelColor(203, 53), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(103, 183), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(18, 108), normal);
        QCOMPARE(shown.pixelColor(48, 123), normal2);
        // The close button is cut off at the frame, which stays drawn.
        QCOMPARE(shown.pixelColor(296, 10), normal);
        QCOMPARE(shown.pixel(297, 10), m_window->palette().color(QPalette::Button).rgb());
        QCOMPARE(shown.pixel(299, 10), m_window->palette().color(QPalette::Shadow).rgb());
    }

    void centresOnTheScreen() {
        set("OpenPosition", "X", "Center");
        set("OpenPosition", "Y", "Center");
        QVERIFY(load());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(m_window->geometry().center(), screen.center());
    }

    void loadsEveryCommonPictureFormat_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("BMP") << "p.bmp" << QByteArray("BMP") << QSize(31, 17);
        QTest::newRow("GIF") << "p.gif" << QByteArray() << QSize(1, 1);
        QTest::newRow("JPEG") << "p.jpg" << QByteArray("JPEG") << QSize(33, 19);
        QTest::newRow("PNG") << "p.png" << QByteArray("PNG") << QSize(35, 21);
        QTest::newRow("ICO") << "p.ico" << QByteArray("ICO") << QSize(32, 32);
        QTest::newRow("PNG named .bmp") << "png.bmp" << QByteArray("PNG") << QSize(12, 13);
    }

    void loadsEveryCommonPictureFormat() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        const std::filesystem::path path = *m_medium / fileName.toStdString();
        if (format.isEmpty())
            writeBytes(path, onePixelGif);
        else
            writePicture(path, size, normal, format.constData());
        set("Btn1", "DefaultBtn", fileName.toStdString());
        QVERIFY(load());
        QCOMPARE(button(1)->size(), size);
    }

    void lightsOneButtonAtATime() {
        showLoaded();
        moveTo({20, 105});
        QCOMPARE(shownColour(button(1)), hover);
        moveTo({25, 110});
        QCOMPARE(shownColour(button(1)), hover);
        // Straight onto the overlapping button: the first stays lit.
        moveTo({70, 135});
        QCOMPARE(shownColour(button(1)), hover);
        QCOMPARE(shownColour(button(2)), normal2);
        moveTo({150, 50});
        QCOMPARE(shownColour(button(1)), normal);
        moveTo({70, 135});
        QCOMPARE(shownColour(button(2)), hover);
        moveTo({280, 80});
        moveTo({280, 10});
        QCOMPARE(shownColour(button(2)), normal2);
        QCOMPARE(shownColour(button(0)), hover);
    }

    // A misspelt or broken hover picture leaves its button dark under the
    // pointer; the menu and its other buttons work as ever.
    void aBadHoverPictureKeepsTheNormalOne() {
        for (const char *bad : {"gone.png", "notes.txt"}) {
            set("Btn1", "CrossBtn", bad);
            showLoaded();
            moveTo({20, 105});
            QCOMPARE(shownColour(button(1)), normal);
            moveTo({150, 50});
            moveTo({70, 135});
            QCOMPARE(shownColour(button(2)), hover);
            m_window = std::make_unique<frmMain>(m_medium->path(), m_opener);
        }
    }

    // Each file is decoded once, before the window shows, and shared by every
    // button that names it: a later change of the file shows nowhere.
    void decodesEachPictureOnceBeforeShowing() {
        set("Btn1", "CrossBtn", "");
        showLoaded();
        QCOMPARE(button(1)->picture().cacheKey(), button(0)->picture().cacheKey());
        writePicture(*m_medium / "off.png", {40, 30}, Qt::yellow);
        moveTo({20, 105});
        QCOMPARE(shownColour(button(1)), normal);
        moveTo({150, 50});
        QCOMPARE(shownColour(button(1)), normal);
    }

    // As after a failed start, "Close" = "Yes" ends the launcher once the
    // message has been read.
    void refusesATargetOffTheMediumWithAMessage() {
        writeBytes(m_medium->path().parent_path() / "outside.txt", "Not on the medium.\n");
        set("Btn1", "ExeFile", "..\\outside.txt");
        set("Btn1", "Close", "Yes");
        showLoaded();
        QSignalSpy endings(m_window.get(), &frmMain::ended);
        QString shownText;
        int endingsWhileShown = -1;
        bool shownAlone = false;
        whenModalShownAs<QMessageBox>([&](QMessageBox *box) {
            shownText = box->text();
            endingsWhileShown = int(endings.size());
            shownAlone = !box->parentWidget() && !m_window->isVisible();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(button(1), Qt::LeftButton);
        std::filesystem::remove(m_medium->path().parent_path() / "outside.txt");
        QVERIFY(shownText.startsWith(QStringLiteral("メディアの外にあるファイルは開けません。")));
        QVERIFY(m_opener.actions.empty());
        QVERIFY(shownAlone);
        QCOMPARE(endingsWhileShown, 0);
        QCOMPARE(endings.size(), 1);
    }

    void answersClicks_data() {
        QTest::addColumn<Click>("click");
        QTest::newRow("close") << Click{0, "", "", "", false, 0, true};
        QTest::newRow("close, Close=No ignored") << Click{0, "", "", "No", false, 0, true};
        QTest::newRow("close, No") << Click{0, "終了しますか？", "終了", "", false, 0, false};
        QTest::newRow("close, Yes") << Click{0, "終了しますか？", "終了", "", true, 0, true};
        QTest::newRow("launch") << Click{1, "", "", "", false, 1, false};
        QTest::newRow("launch, Close=Yes") << Click{1, "", "", "Yes", false, 1, true};
        QTest::newRow("launch, Close=yes") << Click{1, "", "", "yes", false, 1, false};
        QTest::newRow("launch, Close=No") << Click{1, "", "", "No", false, 1, false};
        QTest::newRow("launch, No") << Click{2, "開きますか？", "", "Yes", false, 0, false};
        QTest::newRow("launch, Yes") << Click{2, "開きますか？", "", "Yes", true, 1, true};
    }

    void answersClicks() {
        QFETCH(Click, click);
        const std::string section =
            click.index == 0 ? "CloseBtn" : "Btn" + std::to_string(click.index);
        set(section, "Message", click.message);
        set(section, "Title", click.title);
        set(section, "Close", click.close);
        showLoaded();
        QSignalSpy endings(m_window.get(), &frmMain::ended);

        bool asked = false;
        if (*click.message)
            whenModalShownAs<QMessageBox>([&](QMessageBox *box) {
                asked = true;
                QCOMPARE(box->windowTitle(),
                         QString::fromUtf8(*click.title ? click.title : "discgate"));
                QCOMPARE(box->text(), QString::fromUtf8(click.message));
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
                box->button(click.answerYes ? QMessageBox::Yes : QMessageBox::No)->click();
            });
        QTest::mouseClick(button(click.index), Qt::LeftButton);
        QCOMPARE(asked, *click.message != '\0');
        QCOMPARE(int(m_opener.actions.size()), click.starts);
        QCOMPARE(endings.size(), click.ends ? 1 : 0);
        // A start that ends the launcher hides the menu before it is made.
        QCOMPARE(m_window->isVisible(), !(click.ends && click.index != 0));
    }

    // A button whose start the desktop has not answered yet does not start
    // again; once answered it does. A start that ends the launcher hides the
    // menu at once, which then takes no click, and ends it with the answer.
    void startsTheSameTargetAgainOnceTheDesktopHasAnswered() {
        set("Btn2", "Close", "Yes");
        m_opener.answerLater = true;
        showLoaded();
        QSignalSpy endings(m_window.get(), &frmMain::ended);
        QTest::mouseClick(button(1), Qt::LeftButton);
        QTest::mouseClick(button(1), Qt::LeftButton);
        m_opener.answer();
        QTest::mouseClick(button(1), Qt::LeftButton);
        m_opener.answer();
        QTest::mouseClick(button(2), Qt::LeftButton);
        button(1)->click();
        QCOMPARE(endings.size(), 0);
        m_opener.answer();
        QCOMPARE(endings.size(), 1);
        QCOMPARE(m_opener.actions.size(), std::size_t(3));
    }

    void ignoresAReleaseAwayFromTheButton() {
        showLoaded();
        QTest::mousePress(button(1), Qt::LeftButton);
        QTest::mouseRelease(button(1), Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(m_opener.actions.empty());
    }

    void failsToLoadWithoutShowing_data() {
        QTest::addColumn<BadKey>("bad");
        const LoadProblem missing = LoadProblem::PictureMissing;
        const LoadProblem invalid = LoadProblem::PictureInvalid;
        const LoadProblem overflow = LoadProblem::Overflow;
        const auto row = [](const char *name, BadKey bad) { QTest::newRow(name) << bad; };
        row("no Autorun.inf", {"", "", "", LoadProblem::DescriptionMissing, "Autorun.inf"});
        row("no background", {"MainForm", "Background", "", missing, ""});
        row("background missing", {"MainForm", "Background", "gone.png", missing, "gone.png"});
        row("background is text", {"MainForm", "Background", "notes.txt", invalid, "notes.txt"});
        row("background claims a huge size",
            {"MainForm", "Background", "huge.bmp", invalid, "huge.bmp"});
        row("background off the medium", {"MainForm", "Background", "..\\back.png",
                                          LoadProblem::PictureOffMedium, "../back.png"});
        row("window of 32767 pixels",
            {"MainForm", "Width", "32767", LoadProblem::WindowTooLarge, "Autorun.inf"});
        row("close picture missing", {"CloseBtn", "DefaultBtn", "gone.png", missing, "gone.png"});
        row("launch picture is text", {"Btn2", "DefaultBtn", "notes.txt", invalid, "notes.txt"});
        row("Num 3 without Btn3", {"BtmMax", "Num", "3", missing, ""});
        row("width overflows", {"MainForm", "Width", "143165577", overflow, "Autorun.inf"});
        row("position overflows", {"OpenPosition", "Y", "-200000000", overflow, "Autorun.inf"});
    }

    void failsToLoadWithoutShowing() {
        QFETCH(BadKey, bad);
        if (!*bad.section)
            std::filesystem::remove(*m_medium / "Autorun.inf");
        else
            set(bad.section, bad.key, bad.value);
        const auto loaded = load();
        QVERIFY(!loaded);
        QCOMPARE(int(loaded.error().problem), int(bad.problem));
        QCOMPARE(loaded.error().file, onMedium(bad.file));
        QVERIFY(!m_window->isVisible());
    }

    // The limits, formats and schemes that the messages name are those that
    // the load and the launch keep.
    void namesTheLimitsOfAFailedLoad() {
        const auto message = [](LoadProblem problem) {
            return LauncherMessages::loadError({problem, "/m/Autorun.inf", "[BtmMax] Num=1001"});
        };
        QCOMPARE(message(LoadProblem::TooManyButtons),
                 QStringLiteral("ボタンが多すぎます。起動ボタンは 1000 個までです。\n\n"
                                "\u2068/m/Autorun.inf\u2069\n\u2068[BtmMax] Num=1001\u2069"));
        QVERIFY(message(LoadProblem::DescriptionTooLarge).contains(QStringLiteral("(64 MB まで)")));
        QVERIFY(message(LoadProblem::PicturesOverBudget).contains(QStringLiteral("256 MB まで")));
        QVERIFY(message(LoadProblem::PictureFormatRefused)
                    .contains(QStringLiteral("BMP、GIF、JPEG、PNG、ICO と CUR の画像")));
        QVERIFY(LauncherMessages::launchRefusal(LaunchRefusal::AddressScheme, {})
                    .contains(QStringLiteral("http、https、ftp と mailto のアドレス")));
    }

    // A name that holds a line break or reorders the text around it cannot
    // put words of its own into a question, nor hide what a file is.
    void quotesNamesAsTheyAre() {
        QCOMPARE(LauncherMessages::folderProgramQuestion(
                     QStringLiteral("readme\u202Etxt.sh"),
                     QStringLiteral("/tmp/a\n(このフォルダーは安全です)\u2069\x7F")),
                 QStringLiteral(
                     "このメニューはディスクではなくフォルダーから開かれました。\n\n"
                     "フォルダー \u2068/tmp/a\\u000A(このフォルダーは安全です)"
                     "\\u2069\\u007F\u2069 の \u2068readme\\u202Etxt.sh\u2069 を実行しますか？"));
        QCOMPARE(LauncherMessages::launchRefusal(LaunchRefusal::OffMedium,
                                                 QStringLiteral("\u200Fa\u2028b\tc"))
                     .section(u'\n', 2),
                 QStringLiteral("\u2068\\u200Fa\\u2028b\\u0009c\u2069"));
    }

    void runReportsAFailedLoadAndNeverShowsTheWindow() {
        set("CloseBtn", "DefaultBtn", "gone.png");
        QString shownText;
        bool windowVisible = true;
        whenModalShownAs<QMessageBox>([&](QMessageBox *box) {
            shownText = box->text();
            windowVisible = visibleLauncher() != nullptr;
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(runLauncher(m_medium->path(), m_opener), 1);
        QVERIFY(shownText.contains(QString::fromStdString(onMedium("gone.png"))));
        QVERIFY(!windowVisible);
    }

    void runEndsWithSuccessOnTheCloseButton() {
        // Ends a run that would otherwise wait forever for a click that never came.
        const QObject watchdog;
        QTimer::singleShot(10000, &watchdog, [] { QCoreApplication::exit(99); });
        QTimer::singleShot(0, [] {
            frmMain *launcher = visibleLauncher();
            QVERIFY(launcher);
            QTest::mouseClick(buttonOf(launcher, 0), Qt::LeftButton);
        });
        QCOMPARE(runLauncher(m_medium->path(), m_opener), 0);
        QVERIFY(!visibleLauncher());
    }

private:
    void set(const std::string &section, const std::string &key, const std::string &value) {
        QVERIFY(cls_IniFile((*m_medium / "Autorun.inf").string()).SetDataStr(section, key, value));
    }

    std::string onMedium(const std::string &name) const {
        return m_medium->path().string() + "/" + name;
    }

    PictureButton *button(int index) const { return buttonOf(m_window.get(), index); }

    // Builds the window from the skinned menu of Autorun.inf.
    Result<void, LoadError> load() {
        auto read = readLauncherDescription(m_medium->path());
        return read ? m_window->Form_Load(std::move(*read)) : Failure{read.error()};
    }

    void showLoaded() {
        QVERIFY(load());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // Qt drops a move to where the pointer already is, and every test's
        // window lies at the same place: start each test with the pointer outside.
        moveTo({-20, -20});
    }

    void moveTo(QPoint point) { QTest::mouseMove(m_window.get(), point); }

    std::unique_ptr<TemporaryFolder> m_medium;
    RecordingOpener m_opener;
    std::unique_ptr<frmMain> m_window;
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
