#include "PeriodEndNotifier.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QtTest>

using namespace std::chrono;

namespace {

const LocalSeconds startUp = local_days{2006y / March / 5} + 9h;

struct Notice {
    QString appName;
    uint replacesId;
    QString appIcon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int expireTimeout;
};

} // namespace

// Stands in for the desktop's notification service and keeps what it is sent.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<Notice> notices;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon,
                const QString &summary, const QString &body, const QStringList &actions,
                const QVariantMap &hints, int expireTimeout) {
        notices.append(
            {appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
        return uint(notices.size());
    }
};

class PeriodEndNotifierTest : public QObject {
    Q_OBJECT

private:
    LocalSeconds m_now = startUp;

private slots:
    // Runs on a private session bus, the service on a connection of its own.
    void eachRunningPeriodIsToldOnceWithoutWaiting() {
        FakeNotificationService service;
        QDBusConnection bus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("service"));
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));

        PeriodEndNotifier notifier([this] { return m_now; }, nullptr);
        QSignalSpy ended(&notifier, &PeriodEndNotifier::periodEnded);
        notifier.periodLoaded(Period{startUp - 2h, startUp - 1h}); // ended before the start
        notifier.tick();
        notifier.periodLoaded(Period{startUp - 1h, startUp + 10s});
        notifier.tick();
        m_now += 10s;
        notifier.tick();
        notifier.tick();
        notifier.periodLoaded(Period{startUp, startUp + 5s}); // saved when it has ended
        notifier.tick();
        notifier.periodLoaded(Period{m_now, m_now + 1min});
        m_now += 1min;
        notifier.tick();
        QCOMPARE(ended.count(), 2);
        // The service answers only in the event loop, which no tick ran.
        QCOMPARE(service.notices.size(), 0);

        QTRY_COMPARE_WITH_TIMEOUT(service.notices.size(), 2, 30000);
        const Notice &first = service.notices[0];
        QCOMPARE(first.appName, QStringLiteral("dayglass"));
        QCOMPARE(first.replacesId, 0u);
        QCOMPARE(first.appIcon, QStringLiteral("dayglass"));
        QCOMPARE(first.summary, QStringLiteral("dayglass"));
        QCOMPARE(first.body, QStringLiteral("設定した期間が終了しました（2006/03/05 09:00:10）"));
        QCOMPARE(first.actions, QStringList());
        QCOMPARE(first.hints, (QVariantMap{{QStringLiteral("desktop-entry"),
                                            QStringLiteral("org.dayglass.dayglass")}}));
        QCOMPARE(first.expireTimeout, -1);
        QCOMPARE(service.notices[1].body,
                 QStringLiteral("設定した期間が終了しました（2006/03/05 09:01:10）"));
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    }

    // Runs where no session bus answers.
    void withoutABusTheWindowIsStillTold() {
        QVERIFY(!QDBusConnection::sessionBus().isConnected());
        PeriodEndNotifier notifier([this] { return m_now; }, nullptr);
        QSignalSpy ended(&notifier, &PeriodEndNotifier::periodEnded);
        notifier.periodLoaded(Period{startUp - 1h, startUp + 1s});
        m_now += 1s;
        for (int i = 0; i < 3; ++i)
            notifier.tick();
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_GUILESS_MAIN(PeriodEndNotifierTest)
#include "PeriodEndNotifierTest.moc"
