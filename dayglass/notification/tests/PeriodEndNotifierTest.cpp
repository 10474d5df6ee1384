#include "PeriodEndNotifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QtTest>

using namespace std::chrono;

// Stands in for the desktop's notification service and keeps what it is sent.
class FakeNotificationService : public QDBusVirtualObject {
public:
    QList<QDBusMessage> calls;
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &call, const QDBusConnection &connection) override {
        calls.append(call);
        return connection.send(call.createReply(uint(calls.size())));
    }
};

class PeriodEndNotifierTest : public QObject {
    Q_OBJECT
    LocalSeconds m_now = local_days{2006y / March / 5} + 9h;
    PeriodEndNotifier m_notifier{[this] { return m_now; }, nullptr};
    QSignalSpy m_ended{&m_notifier, &PeriodEndNotifier::periodEnded};

    // A period that has ended at its load, then one that ends later.
    void endTwoPeriods() {
        m_notifier.periodLoaded(Period{m_now - 2h, m_now - 1h});
        m_notifier.tick();
        m_notifier.periodLoaded(Period{m_now - 1h, m_now + 10s});
        m_now += 10s;
        m_notifier.tick();
        m_notifier.tick();
        QCOMPARE(m_ended.count(), 1);
    }

private slots:
    // Runs on a private session bus, the service on a connection of its own.
    void theEndOfARunningPeriodIsToldWithoutWaiting() {
        FakeNotificationService service;
        QDBusConnection bus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("service"));
        QVERIFY(
            bus.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &service));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        endTwoPeriods();
        // The service is called only from the event loop, which no tick ran.
        QVERIFY(service.calls.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(service.calls.size(), 1, 30000);
        const QDBusMessage call = service.calls[0];
        QCOMPARE(call.interface() + u'.' + call.member() + u' ' + call.signature(),
                 QStringLiteral("org.freedesktop.Notifications.Notify susssasa{sv}i"));
        const QString body = QStringLiteral("設定した期間が終了しました（2006/03/05 09:00:10）");
        const QString dayglass = QStringLiteral("dayglass");
        QCOMPARE(call.arguments().mid(0, 6),
                 (QVariantList{dayglass, 0u, dayglass, dayglass, body, QStringList()}));
        QCOMPARE(qdbus_cast<QVariantMap>(call.arguments()[6]),
                 (QVariantMap{{QStringLiteral("desktop-entry"), u"org.dayglass.dayglass"_qs}}));
        QCOMPARE(call.arguments()[7], QVariant(-1));
    }

    // Runs where no session bus answers: the window is still told.
    void withoutABusNothingIsSent() {
        QVERIFY(!QDBusConnection::sessionBus().isConnected());
        endTwoPeriods();
    }
};

QTEST_GUILESS_MAIN(PeriodEndNotifierTest)
#include "PeriodEndNotifierTest.moc"
