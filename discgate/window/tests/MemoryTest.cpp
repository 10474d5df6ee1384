#include "TemporaryFolder.h"

#include <QImage>
#include <QProcess>
#include <QTest>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int buttonCount = 40;
constexpr int hugeSide = 5700;
constexpr long long residentLimitKilobytes = 600 * 1024;

// A value of /proc/PID/status in kilobytes, or -1 once the process is gone.
long long statusKilobytes(qint64 pid, const std::string &key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key + ":"))
            return std::stoll(line.substr(key.size() + 1));
    }
    return -1;
}

// The processor time the process has used, in clock ticks.
long long cpuTicks(qint64 pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long long user = 0, system = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14)
            user = std::stoll(field);
        if (index == 15) {
            system = std::stoll(field);
            break;
        }
    }
    return user + system;
}

void writeHugePicture(const fs::path &path) {
    QImage image(hugeSide, hugeSide, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(QString::fromStdString(path.string()), "PNG"));
}

// A menu of 40 launch buttons whose pictures are named by `pictureOf`.
std::string manyButtons(int width, int height, const std::function<std::string(int)> &pictureOf) {
    std::string text = "[MainForm]\r\nWidth=" + std::to_string(width) +
                       "\r\nHeight=" + std::to_string(height) +
                       "\r\nBackground=back.png\r\n[CloseBtn]\r\nDefaultBtn=back.png\r\n"
                       "[BtmMax]\r\nNum=" +
                       std::to_string(buttonCount) + "\r\n";
    for (int k = 1; k <= buttonCount; ++k)
        text += "[Btn" + std::to_string(k) + "]\r\nX=" + std::to_string(k * 10) +
                "\r\nY=40\r\nExeFile=readme.txt\r\nDefaultBtn=" + pictureOf(k) + "\r\n";
    return text;
}

} // namespace

// The real discgate on media made to exhaust its memory: it must stay well
// below a gigabyte while it shows its menu or its load message.
class MemoryTest : public QObject {
    Q_OBJECT

private:
    // Starts discgate on the medium, waits until it sits idle (its menu or
    // message shown), and gives its peak resident size in kilobytes.
    static long long peakResidentKilobytes(const fs::path &medium) {
        QProcess discgate;
        discgate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        discgate.start(QStringLiteral(DISCGATE_BINARY), {QString::fromStdString(medium.string())});
        if (!discgate.waitForStarted())
            return -1;
        const qint64 pid = discgate.processId();
        long long lastTicks = -1;
        int idlePolls = 0;
        for (int poll = 0; poll < 1200 && idlePolls < 10; ++poll) {
            QTest::qWait(100);
            if (discgate.state() != QProcess::Running)
                return -1;
            const long long ticks = cpuTicks(pid);
            idlePolls = ticks == lastTicks ? idlePolls + 1 : 0;
            lastTicks = ticks;
        }
        const long long peak = statusKilobytes(pid, "VmHWM");
        discgate.kill();
        discgate.waitForFinished();
        return peak;
    }

private slots:
    void staysBelow600Megabytes_data() {
        QTest::addColumn<QString>("medium");
        QTest::newRow("one 5700 x 5700 picture on 40 buttons") << "shared";
        QTest::newRow("40 pictures of 5700 x 5700") << "different";
        QTest::newRow("a window of 32767 x 32767") << "window";
    }

    void staysBelow600Megabytes() {
        QFETCH(QString, medium);
        TemporaryFolder folder;
        QImage(64, 48, QImage::Format_RGB32)
            .save(QString::fromStdString((folder / "back.png").string()));
        writeBytes(folder / "readme.txt", "Read me.\n");
        if (medium == QStringLiteral("window")) {
            writeBytes(folder / "Autorun.inf",
                       manyButtons(32767, 32767, [](int) { return std::string("back.png"); }));
        } else {
            writeHugePicture(folder / "huge.png");
            const bool shared = medium == QStringLiteral("shared");
            for (int k = 1; k <= buttonCount && !shared; ++k)
                fs::copy_file(folder / "huge.png", folder / ("huge" + std::to_string(k) + ".png"));
            writeBytes(folder / "Autorun.inf", manyButtons(640, 480, [shared](int k) {
                           return shared ? std::string("huge.png")
                                         : "huge" + std::to_string(k) + ".png";
                       }));
        }
        const long long peak = peakResidentKilobytes(folder.path());
        qInfo("peak resident size: %lld MB", peak / 1024);
        QVERIFY2(peak > 0, "discgate ended instead of showing its menu or a message");
        QVERIFY(peak < residentLimitKilobytes);
    }
};

QTEST_GUILESS_MAIN(MemoryTest)
#include "MemoryTest.moc"
