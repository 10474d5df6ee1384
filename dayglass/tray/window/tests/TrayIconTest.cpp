#include "TrayIcon.h"

#include "LoginStart.h"
#include "TrayPictureEngine.h"

#include <QtDBus>
#include <QtTest>
#include <QtWidgets>
#include <optional>

using namespace std::chrono;

// Stands in for the desktop's StatusNotifierWatcher and the host behind it,
// on the private session bus that the test runs on: it says that a host is
// there and keeps the unique bus names of the items that register. It answers
// from a thread of its own, as a tray icon of the test's own process asks it
// while the test's thread waits for the answer.
class StatusNotifierWatcherStandIn : public QDBusVirtualObject {
public:
    QString introspect(const QString &) const override {
        return u"<interface name=\"org.kde.StatusNotifierWatcher\"><property "
               u"name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
               u"</interface>"_qs;
    }
    // Introspection is answered from the text above, and every property read
    // is a read of that one property.
    bool handleMessage(const QDBusMessage &call, const QDBusConnection &bus) override {
        if (call.member() == u"Introspect")
            return false;
        if (call.member() == u"Get")
            return bus.send(call.createReply(QVariant::fromValue(QDBusVariant(true))));
        if (call.member() == u"RegisterStatusNotifierItem") {
            const QMutexLocker lock(&m_lock);
            m_items << call.service();
        }
        return bus.send(call.createReply());
    }
    QStringList registeredItems() const {
        const QMutexLocker lock(&m_lock);
        return m_items;
    }

private:
    mutable QMutex m_lock;
    QStringList m_items;
};

namespace {

const QString itemInterface = u"org.kde.StatusNotifierItem"_qs;

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

QVariant itemProperty(const QString &item, const QString &name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        item, u"/StatusNotifierItem"_qs, u"org.freedesktop.DBus.Properties"_qs, u"Get"_qs);
    get << itemInterface << name;
    const QDBusMessage reply = bus().call(get);
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

// The largest of the icon's pictures, from IconPixmap's ARGB bytes in the
// network's order.
QImage largestPicture(const QString &item) {
    const auto pictures = itemProperty(item, u"IconPixmap"_qs).value<QDBusArgument>();
    QImage largest;
    pictures.beginArray();
    while (!pictures.atEnd()) {
        int width = 0, height = 0;
        QByteArray bytes;
        pictures.beginStructure();
        pictures >> width >> height >> bytes;
        pictures.endStructure();
        if (width <= largest.width() || bytes.size() != width * height * 4)
            continue;
        largest = QImage(width, height, QImage::Format_ARGB32);
        qFromBigEndian<quint32>(bytes.constData(), width * height, largest.bits());
    }
    pictures.endArray();
    return largest;
}

// The tooltip's title, which Qt gives the whole text.
QString toolTip(const QString &item) {
    const auto tip = itemProperty(item, u"ToolTip"_qs).value<QDBusArgument>();
    QString icon, title;
    tip.beginStructure();
    tip >> icon;
    tip.asVariant(); // its pictures
    tip >> title;
    tip.endStructure();
    return title;
}

// Clicks the item of the icon's menu whose label is `label`.
void clickMenuItem(const QString &item, const QString &label) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        item, u"/MenuBar"_qs, u"com.canonical.dbusmenu"_qs, u"GetGroupProperties"_qs);
    QList<int> ids(64);
    std::iota(ids.begin(), ids.end(), 0);
    get << QVariant::fromValue(ids) << QStringList{u"label"_qs};
    const auto entries = bus().call(get).arguments().value(0).value<QDBusArgument>();
    int id = -1;
    entries.beginArray();
    while (!entries.atEnd()) {
        int entry = 0;
        QVariantMap properties;
        entries.beginStructure();
        entries >> entry >> properties;
        entries.endStructure();
        if (properties.value(u"label"_qs).toString() == label)
            id = entry;
    }
    entries.endArray();
    QVERIFY2(id >= 0, qPrintable(label));
    QDBusMessage click = QDBusMessage::createMethodCall(item, u"/MenuBar"_qs,
                                                        u"com.canonical.dbusmenu"_qs, u"Event"_qs);
    click << id << u"clicked"_qs << QVariant::fromValue(QDBusVariant(0)) << 0u;
    QCOMPARE(bus().call(click).type(), QDBusMessage::ReplyMessage);
}

QString xdotool(const QStringList &arguments) {
    QProcess tool;
    tool.start(u"xdotool"_qs, arguments);
    tool.waitForFinished();
    return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
}

QString processOf(const QString &item) {
    return QString::number(bus().interface()->servicePid(item).value());
}

bool windowShown(const QString &item) {
    return !xdotool({u"search"_qs, u"--onlyvisible"_qs, u"--pid"_qs, processOf(item)}).isEmpty();
}

bool windowActive(const QString &item) {
    return xdotool({u"getactivewindow"_qs, u"getwindowpid"_qs}) == processOf(item);
}

bool writeDataIni(const QString &path, const QDateTime &start, const QDateTime &end) {
    QString text;
    for (const auto &[section, moment] : {std::pair{u"Start"_qs, start}, {u"End"_qs, end}})
        text += moment
                    .toString(u"'[%1]\r\nYear='yyyy'\r\nMonth='M'\r\nDay='d'\r\nHour='H"
                              u"'\r\nMinute='m'\r\nSecond='s'\r\n'"_qs)
                    .arg(section);
    QFile data(path);
    return data.open(QIODevice::WriteOnly) &&
           data.write((text + u"[Options]\r\nTray=1\r\n"_qs).toLatin1()) > 0;
}

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT
    // Made when the tests start, as the listing of the test functions at build
    // time ends the program before any destructor runs; the stand-in is deleted
    // in its own thread as that thread ends.
    std::optional<QTemporaryDir> m_home;
    StatusNotifierWatcherStandIn *m_watcher = nullptr;
    QThread m_watcherThread;
    int m_icons = 0;
    int m_toolTips = 0;

private slots:
    void initTestCase() {
        m_home.emplace();
        m_watcher = new StatusNotifierWatcherStandIn;
        m_watcher->moveToThread(&m_watcherThread);
        connect(&m_watcherThread, &QThread::finished, m_watcher, &QObject::deleteLater);
        m_watcherThread.start();
        QVERIFY(bus().registerVirtualObject(u"/StatusNotifierWatcher"_qs, m_watcher));
        QVERIFY(bus().registerService(u"org.kde.StatusNotifierWatcher"_qs));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(u"config"_qs)));
    }

    void cleanupTestCase() {
        m_watcherThread.quit();
        m_watcherThread.wait();
    }

    // The real program, copied to a folder whose name must be quoted, as a
    // portable copy: its item, its window and menu, the entry that starts it
    // at login, and that entry's start in the tray.
    void theProgramLivesInTheTray() {
        const QString folder = m_home->filePath(u"My Tools"_qs);
        const QString program = folder + u"/dayglass"_qs;
        for (const QString &tool : {u"xdotool"_qs, u"desktop-file-validate"_qs, u"gio"_qs})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(tool + u" is missing"_qs));
        QVERIFY(QDir().mkpath(folder) && QFile::copy(QStringLiteral(DAYGLASS_PROGRAM), program));
        const QDateTime now = QDateTime::currentDateTime();
        const QString data = folder + u"/Data.ini"_qs;
        QVERIFY(writeDataIni(data, now.addSecs(-9000), now.addSecs(9000)));

        QProcess first;
        first.start(program, {u"--in-tray"_qs});
        QTRY_COMPARE_WITH_TIMEOUT(m_watcher->registeredItems().size(), 1, 20000);
        const QString item = m_watcher->registeredItems()[0];
        QTRY_VERIFY_WITH_TIMEOUT(toolTip(item).startsWith(u"残り 2時間 29分"_qs), 20000);
        QVERIFY(toolTip(item).endsWith(u"終了 "_qs + now.addSecs(9000).toString(u"yyyy/MM/dd"_qs)));
        // Half of the period left: a green bar, filled to half its height.
        const QImage half = largestPicture(item);
        QCOMPARE(half.pixelColor(half.width() / 2, half.height() * 3 / 4), QColor(Qt::green));
        QCOMPARE(half.pixelColor(half.width() / 2, half.height() / 4), QColor(Qt::black));
        QVERIFY(!windowShown(item));

        QDBusMessage activate = QDBusMessage::createMethodCall(item, u"/StatusNotifierItem"_qs,
                                                               itemInterface, u"Activate"_qs);
        activate << 0 << 0;
        bus().call(activate);
        QTRY_VERIFY_WITH_TIMEOUT(windowShown(item) && windowActive(item), 20000);
        bus().call(activate);
        QTRY_VERIFY_WITH_TIMEOUT(!windowShown(item), 20000);
        // Closed through the window manager, the window goes into the tray.
        // The window manager closes the window that has the keyboard; the keys
        // go through the X server once it has it (typed at a window they would
        // pass the window manager by), and again should a press go unanswered,
        // as one in some thirty did.
        bus().call(activate);
        QTRY_VERIFY_WITH_TIMEOUT(windowShown(item), 20000);
        const QString window =
            xdotool({u"search"_qs, u"--onlyvisible"_qs, u"--pid"_qs, processOf(item)});
        xdotool({u"windowactivate"_qs, window});
        QTRY_COMPARE_WITH_TIMEOUT(xdotool({u"getwindowfocus"_qs}), window, 20000);
        bool closed = false;
        for (int press = 0; press < 5 && !closed; ++press) {
            xdotool({u"key"_qs, u"alt+F4"_qs});
            closed = QTest::qWaitFor([&] { return !windowShown(item); }, 4000);
        }
        QVERIFY(closed);
        QCOMPARE(first.state(), QProcess::Running);

        const QString entry =
            m_home->filePath(u"config/autostart/org.dayglass.dayglass.desktop"_qs);
        clickMenuItem(item, u"ログイン時に起動"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(entry), 20000);
        QProcess validate;
        validate.start(u"desktop-file-validate"_qs, {entry});
        QVERIFY(validate.waitForFinished());
        QCOMPARE(validate.readAll(), QByteArray());
        QCOMPARE(validate.exitCode(), 0);
        clickMenuItem(item, u"終了"_qs);
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);

        // Started as the session starts it, after the end: in the tray, red.
        QVERIFY(writeDataIni(data, now.addSecs(-9000), now.addSecs(-60)));
        QCOMPARE(QProcess::execute(u"gio"_qs, {u"launch"_qs, entry}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_watcher->registeredItems().size(), 2, 20000);
        const QString second = m_watcher->registeredItems()[1];
        QTRY_VERIFY_WITH_TIMEOUT(toolTip(second).startsWith(u"超過 "_qs), 20000);
        const QImage ended = largestPicture(second);
        QCOMPARE(ended.pixelColor(ended.width() / 2, ended.height() / 4), QColor(Qt::red));
        QVERIFY(!windowShown(second));
        clickMenuItem(second, u"ログイン時に起動"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(entry), 20000);
        clickMenuItem(second, u"終了"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(!bus().interface()->isServiceRegistered(second).value(), 20000);
    }

    // A period of 1000 s ticked ten times a second: the icon is sent each time
    // one of its pictures changes, and at no other tick; the tooltip at most
    // once a second.
    void theIconIsSentOnlyWhenItsPixelsChange() {
        QWidget window;
        LoginStart loginStart(&window);
        TrayIcon tray(&loginStart, &window);
        QVERIFY(bus().connect({}, u"/StatusNotifierItem"_qs, itemInterface, u"NewIcon"_qs, this,
                              SLOT(iconSent())));
        QVERIFY(bus().connect({}, u"/StatusNotifierItem"_qs, itemInterface, u"NewToolTip"_qs, this,
                              SLOT(toolTipSent())));

        const LocalSeconds start = local_days{2006y / March / 5} + 9h;
        const Period period{start, start + 1000s};
        const qsizetype registered = m_watcher->registeredItems().size();
        tray.setShown(true);
        tray.showCountdown(countDown(period, start));
        QTRY_COMPARE_WITH_TIMEOUT(m_watcher->registeredItems().size(), registered + 1, 20000);
        QTest::qWait(200);
        m_icons = m_toolTips = 0;

        int pictureChanges = 0;
        std::vector<QImage> last;
        for (milliseconds elapsed{0}; elapsed <= 1000s; elapsed += 100ms) {
            const Countdown countdown = countDown(period, start + duration_cast<seconds>(elapsed));
            tray.showCountdown(countdown);
            std::vector<QImage> pictures;
            for (const int side : {16, 22, 32, 48})
                pictures.push_back(
                    QIcon(new TrayPictureEngine(trayPictureFor(countdown))).pixmap(side).toImage());
            pictureChanges += !last.empty() && pictures != last;
            last = std::move(pictures);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_icons, pictureChanges, 20000);
        QTest::qWait(200);
        QCOMPARE(m_icons, pictureChanges);
        QVERIFY2(m_toolTips <= 1000, qPrintable(QString::number(m_toolTips)));
    }

public slots:
    void iconSent() { ++m_icons; }
    void toolTipSent() { ++m_toolTips; }
};

QTEST_MAIN(TrayIconTest)
#include "TrayIconTest.moc"
