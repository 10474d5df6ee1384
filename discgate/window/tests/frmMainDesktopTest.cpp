#include "AccessibleTree.h"
#include "MenuDescription.h"
#include "PictureButton.h"
#include "RecordingOpener.h"
#include "TemporaryFolder.h"
#include "frmMain.h"

#include <QAccessibleActionInterface>
#include <QPainter>
#include <QtTest>

namespace {

// A medium with a close button and three launch buttons: a document, an
// address and a page in a folder. Every button shows a picture of 8 × 4
// pixels, red on its left half and blue on its right.
const std::string description =
    "[MainForm]\r\nWidth=200\r\nHeight=120\r\nBackground=back.png\r\n"
    "[OpenPosition]\r\nX=0\r\nY=0\r\n"
    "[CloseBtn]\r\nX=180\r\nY=4\r\nDefaultBtn=button.png\r\n"
    "[BtmMax]\r\nNum=3\r\n"
    "[Btn1]\r\nX=10\r\nY=20\r\nExeFile=readme.txt\r\nDefaultBtn=button.png\r\n"
    "[Btn2]\r\nX=10\r\nY=40\r\nExeFile=https://www.example.com/\r\nDefaultBtn=button.png\r\n"
    "[Btn3]\r\nX=10\r\nY=60\r\nExeFile=Docs\\Guide.html\r\nDefaultBtn=button.png\r\n";

const QSize pictureSize(8, 4);

// A picture in one colour on its left half and another on its right.
void writePicture(const std::filesystem::path &path, QSize size, const QColor &left,
                  const QColor &right) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(left);
    const int half = size.width() / 2;
    QPainter(&image).fillRect(QRect(half, 0, size.width() - half, size.height()), right);
    QVERIFY(image.save(QString::fromStdString(path.string()), "PNG"));
}

} // namespace

// The launcher window on a desktop: its picture buttons read by a screen
// reader, and its pictures on a scaled screen (run with QT_SCALE_FACTOR=2 too).
class frmMainDesktopTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_medium;
    RecordingOpener m_opener;
    std::unique_ptr<frmMain> m_window;

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("discgate"));
        frmMain::installAccessibleInterfaces();
    }

    void init() {
        m_medium = std::make_unique<TemporaryFolder>();
        writeBytes(*m_medium / "Autorun.inf", description);
        writePicture(*m_medium / "back.png", {200, 120}, Qt::green, Qt::green);
        writePicture(*m_medium / "button.png", pictureSize, Qt::red, Qt::blue);
        writeBytes(*m_medium / "readme.txt", "Read me.\n");
        std::filesystem::create_directory(*m_medium / "docs");
        writeBytes(*m_medium / "docs" / "guide.html", "<p>Guide</p>\n");
        m_opener = RecordingOpener();
        m_window = std::make_unique<frmMain>(m_medium->path(), m_opener);
        QVERIFY(m_window->Form_Load(*readLauncherDescription(m_medium->path())));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void buttonsAreReadUnderTheNameOfTheirTarget() {
        QStringList names;
        for (QAccessibleInterface *node : reachableInterfaces(m_window.get())) {
            if (node->role() == QAccessible::Button)
                names << node->text(QAccessible::Name);
        }
        QCOMPARE(names, (QStringList{QStringLiteral("閉じる"), QStringLiteral("readme.txt"),
                                     QStringLiteral("https://www.example.com/"),
                                     QStringLiteral("guide.html")}));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("discgate"));
        // An address is said once, as the name.
        QCOMPARE(reachableByName(m_window.get(), QStringLiteral("https://www.example.com/"))
                     ->text(QAccessible::Description),
                 QString());
    }

    void pressingAButtonOpensItsTarget() {
        QAccessibleInterface *button =
            reachableByName(m_window.get(), QStringLiteral("readme.txt"));
        QVERIFY(button);
        QCOMPARE(button->text(QAccessible::Description),
                 QString::fromStdString((*m_medium / "readme.txt").string()));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(m_opener.actions.size(), std::size_t(1));
        QCOMPARE(m_opener.actions.front().target, (*m_medium / "readme.txt").string());
    }

    // A picture keeps its own size in logical pixels, so a scaled screen shows
    // it scaled, pixel for pixel: neither shrunk to its device pixels nor cut.
    // The client area starts inside the window's frame of 3 pixels.
    void picturesShowAtTheirPixelSizeScaledByTheScreen() {
        auto *button = m_window->findChildren<PictureButton *>().at(1);
        QCOMPARE(button->geometry(), QRect(QPoint(10, 20), pictureSize));
        const QPixmap shown = m_window->grab();
        const int scale = qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
        QCOMPARE(shown.devicePixelRatio(), qreal(scale));
        const QImage image = shown.toImage();
        const int left = (10 + 3) * scale;
        const int top = (20 + 3) * scale;
        const int lastRedColumn = left + 4 * scale - 1;
        const int lastRow = top + 4 * scale - 1;
        QCOMPARE(image.pixelColor(left, top), QColor(Qt::red));
        QCOMPARE(image.pixelColor(lastRedColumn, lastRow), QColor(Qt::red));
        QCOMPARE(image.pixelColor(lastRedColumn + 1, top), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(left + 8 * scale - 1, lastRow), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(left + 8 * scale, lastRow), QColor(Qt::green));
    }
};

QTEST_MAIN(frmMainDesktopTest)
#include "frmMainDesktopTest.moc"
