#include "HostilePictures.h"
#include "ProgressiveJpeg.h"
#include "TemporaryFolder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int buttonCount = 40;
constexpr int hugeSide = 5700;
constexpr long long residentLimitKilobytes = 600 * 1024;
// About two seconds of decoding at most, and the start of Qt beside it.
constexpr double processorSecondsLimit = 2.5;

// A value of /proc/PID/status in kilobytes, or -1 once the process is gone.
long long statusKilobytes(qint64 pid, const std::string &key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key + ":"))
            return std::stoll(line.substr(key.size() + 1));
    }
    return -1;
}

// The processor time the process has used, in clock ticks: its user and its
// system time, the 14th and 15th fields of its stat line, counted from the
// third, which follows the program's name.
long long cpuTicks(qint64 pid) {
    const std::string text = readBytes("/proc/" + std::to_string(pid) + "/stat");
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string skipped;
    for (int index = 3; index < 14; ++index)
        fields >> skipped;
    long long user = 0, system = 0;
    fields >> user >> system;
    return user + system;
}

std::string flatPng(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

// A menu of `count` launch buttons; button k shows `picture` with k in place
// of its "#".
std::string menu(int side, int count, const std::string &picture) {
    std::string text = "[MainForm]\r\nWidth=" + std::to_string(side) +
                       "\r\nHeight=" + std::to_string(side) +
                       "\r\nBackground=back.png\r\n[CloseBtn]\r\nDefaultBtn=back.png\r\n"
                       "[BtmMax]\r\nNum=" +
                       std::to_string(count) + "\r\n";
    for (int k = 1; k <= count; ++k) {
        std::string name = picture;
        if (const std::size_t mark = name.find('#'); mark != std::string::npos)
            name.replace(mark, 1, std::to_string(k));
        text += "[Btn" + std::to_string(k) + "]\r\nX=" + std::to_string(k % 600) +
                "\r\nY=40\r\nExeFile=readme.txt\r\nDefaultBtn=" + name + "\r\n";
    }
    return text;
}

// The progressive JPEG of `side` and `scans` at `path`, copied from one kept
// beside this program: a large one takes seconds to encode, so it is encoded
// again only once the program is built anew.
bool copyProgressiveJpeg(const fs::path &path, int side, int scans, bool arithmetic = false) {
    const fs::path program = QCoreApplication::applicationFilePath().toStdString();
    const fs::path kept = program.string() + "-" + path.filename().string();
    std::error_code error;
    if (fs::last_write_time(kept, error) < fs::last_write_time(program)) {
        const fs::path encoded = kept.string() + ".new";
        if (!writeProgressiveJpeg(encoded, side, scans, arithmetic))
            return false;
        fs::rename(encoded, kept);
    }
    return fs::copy_file(kept, path, error);
}

// Each picture of 5700 x 5700 pixels takes 124 MB decoded, each ICO (that
// claims one pixel) 100 MB.
void writeCopies(const fs::path &folder, const char *stem, const std::string &bytes) {
    for (int k = 1; k <= buttonCount; ++k)
        writeBytes(folder / (stem + std::to_string(k)), bytes);
}

// Each medium's Autorun.inf and what it writes beside it.
const struct HostileMedium {
    const char *name;
    std::string description;
    void (*write)(const fs::path &folder);
} hostileMedia[] = {
    {"one 5700 x 5700 picture on 40 buttons", menu(640, buttonCount, "huge.png"),
     [](const fs::path &folder) { writeBytes(folder / "huge.png", flatPng(hugeSide)); }},
    {"40 pictures of 5700 x 5700", menu(640, buttonCount, "huge#"),
     [](const fs::path &folder) { writeCopies(folder, "huge", flatPng(hugeSide)); }},
    {"40 ICOs that claim one pixel and hold 5000 x 5000", menu(640, buttonCount, "icon#"),
     [](const fs::path &folder) { writeCopies(folder, "icon", iconHolding(flatPng(5000))); }},
    {"a progressive JPEG of 300 scans and 5600 x 5600 as background and hover picture",
     "[MainForm]\r\nWidth=640\r\nHeight=480\r\nBackground=scans.jpg\r\n"
     "[CloseBtn]\r\nDefaultBtn=back.png\r\nCrossBtn=scans.jpg\r\n",
     [](const fs::path &folder) { QVERIFY(copyProgressiveJpeg(folder / "scans.jpg", 5600, 300)); }},
    // Each text just below the 8 MB that the decoder inflates at most.
    {"a PNG of one pixel with 200 compressed texts of 7.9 MB each", menu(640, 1, "texts.png"),
     [](const fs::path &folder) {
         const std::string bomb = qCompress(QByteArray(7900000, 'a'), 9).mid(4).toStdString();
         writeBytes(folder / "texts.png", pngWithCompressedTexts(flatPng(1), bomb, 200));
     }},
    {"a GIF of one pixel whose 1 MB of codes repeat its longest string", menu(640, 1, "codes.gif"),
     [](const fs::path &folder) {
         writeBytes(folder / "codes.gif", gifRepeatingLongestCode(700000));
     }},
    {"an arithmetically coded progressive JPEG of 300 scans and 1464 x 1464",
     menu(640, 1, "arithmetic.jpg"),
     [](const fs::path &folder) {
         QVERIFY(copyProgressiveJpeg(folder / "arithmetic.jpg", 1464, 300, true));
     }},
    {"a window of 32767 x 32767", menu(32767, buttonCount, "back.png"), [](const fs::path &) {}},
    {"30000 buttons of 1 x 1", menu(640, 30000, "dot.png"),
     [](const fs::path &folder) { writeBytes(folder / "dot.png", flatPng(1)); }},
};

} // namespace

// The real discgate on media made to exhaust its memory or its time: it must
// stay well below a gigabyte, and come to rest at once, with its menu or its
// load message shown.
class MemoryTest : public QObject {
    Q_OBJECT

private:
    struct Run {
        long long peakKilobytes = -1;
        // The processor time it took to come to rest, in seconds.
        double seconds = 0;
    };

    // Starts discgate on the medium, waits until it sits idle for half a
    // second (its menu or message shown), and gives its peak resident size
    // and the processor time it used until then.
    static Run runUntilIdle(const fs::path &medium) {
        QProcess discgate;
        discgate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        discgate.start(QStringLiteral(DISCGATE_BINARY), {QString::fromStdString(medium.string())});
        if (!discgate.waitForStarted())
            return {};
        const qint64 pid = discgate.processId();
        long long lastTicks = -1;
        int idlePolls = 0;
        for (int poll = 0; poll < 2400 && idlePolls < 10; ++poll) {
            QTest::qWait(50);
            if (discgate.state() != QProcess::Running)
                return {};
            const long long ticks = cpuTicks(pid);
            idlePolls = ticks == lastTicks ? idlePolls + 1 : 0;
            lastTicks = ticks;
        }
        const Run run{statusKilobytes(pid, "VmHWM"), double(lastTicks) / ::sysconf(_SC_CLK_TCK)};
        discgate.kill();
        discgate.waitForFinished();
        return run;
    }

private slots:
    void staysBelow600MegabytesAndComesToRestAtOnce_data() {
        QTest::addColumn<int>("medium");
        for (int row = 0; row < int(std::size(hostileMedia)); ++row)
            QTest::newRow(hostileMedia[row].name) << row;
    }

    // The time is the processor time that discgate used until it came to
    // rest, the work it did rather than the time a busy machine took; it
    // includes the start of Qt.
    void staysBelow600MegabytesAndComesToRestAtOnce() {
        QFETCH(int, medium);
        TemporaryFolder folder;
        QImage(64, 48, QImage::Format_RGB32)
            .save(QString::fromStdString((folder / "back.png").string()));
        writeBytes(folder / "readme.txt", "Read me.\n");
        writeBytes(folder / "Autorun.inf", hostileMedia[medium].description);
        hostileMedia[medium].write(folder.path());
        const Run run = runUntilIdle(folder.path());
        qInfo("peak resident size: %lld MB, processor time: %.2f s", run.peakKilobytes / 1024,
              run.seconds);
        QVERIFY2(run.peakKilobytes > 0, "discgate ended instead of showing its menu or a message");
        QVERIFY(run.peakKilobytes < residentLimitKilobytes);
        QVERIFY(run.seconds < processorSecondsLimit);
    }
};

QTEST_GUILESS_MAIN(MemoryTest)
#include "MemoryTest.moc"
