#include "TaskBarEntry.h"

#include <QtDBus>
#include <QtTest>

using namespace std::chrono;

// Listens on the session bus, as a task manager does, and keeps every
// launcher-entry update.
class TaskBarListener : public QObject {
    Q_OBJECT
public:
    QList<QVariantList> updates;

public slots:
    void update(const QString &application, const QVariantMap &properties) {
        updates.append({application, properties.value(u"progress"_qs),
                        properties.value(u"progress-visible"_qs), properties.value(u"urgent"_qs)});
    }
};

class TaskBarEntryTest : public QObject {
    Q_OBJECT

private slots:
    void theTaskBarSeesTheShareAtItsStepsAndOnceAMinute() {
        TaskBarListener listener;
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"l"_qs);
        QVERIFY(bus.connect(QString(), QString(), u"com.canonical.Unity.LauncherEntry"_qs,
                            u"Update"_qs, &listener, SLOT(update(QString, QVariantMap))));
        const LocalSeconds start = local_days{2006y / March / 5} + 9h;
        TaskBarEntry entry;
        // A period of 1000 seconds, at ten ticks a second from before its start
        // to past its end; then one of 10 days for five minutes.
        const std::pair<Period, LocalSeconds> runs[] = {{{start, start + 1000s}, start + 1005s},
                                                        {{start, start + days{10}}, start + 305s}};
        for (const auto &[period, last] : runs) {
            for (LocalSeconds now = period.start - 5s; now <= last; now += 1s) {
                for (int tick = 0; tick < 10; ++tick)
                    entry.tick(countDown(period, now), now);
                if (now == period.end)
                    entry.periodEnded(false);
            }
        }
        entry.windowActivated();
        const QString application = u"application://org.dayglass.dayglass.desktop"_qs;
        QTRY_COMPARE_WITH_TIMEOUT(listener.updates.size(), 101 + 1 + 1 + 6 + 1, 30000);
        // Every percent of the first period from 100 down to 0, then its end.
        for (int percent = 100; percent >= 0; --percent)
            QCOMPARE(listener.updates[100 - percent],
                     (QVariantList{application, percent / 100.0, true, false}));
        QCOMPARE(listener.updates[101], (QVariantList{application, 0.0, false, false}));
        QCOMPARE(listener.updates[102], (QVariantList{application, 0.0, false, true}));
        // The long period is shown at its start and repeated once a minute.
        for (int minute = 0; minute <= 5; ++minute)
            QCOMPARE(listener.updates[103 + minute], (QVariantList{application, 1.0, true, true}));
        QCOMPARE(listener.updates.last(), (QVariantList{application, 1.0, true, false}));
    }

    // Each function runs in a program of its own, which has not yet asked for
    // the bus.
    void withoutASessionBusNothingChanges() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        TaskBarEntry entry;
        const LocalSeconds start = local_days{2006y / March / 5} + 9h;
        const Period period{start, start + 10s};
        entry.tick(countDown(period, start), start);
        entry.periodEnded(false);
        QVERIFY(!QDBusConnection::sessionBus().isConnected());
    }
};

QTEST_GUILESS_MAIN(TaskBarEntryTest)
#include "TaskBarEntryTest.moc"
