#include "PeriodEndNotifier.h"

#include "PeriodWarningNotifier.h"

#include <QtDBus>
#include <QtTest>

using namespace std::chrono;

// Stands in for the desktop's notification service and keeps what it is
// sent, without answering: nothing waits for the answer.
class FakeNotificationService : public QDBusVirtualObject {
public:
    QList<QDBusMessage> calls;
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &call, const QDBusConnection &) override {
        calls.append(call);
        return true;
    }
};

class PeriodEndNotifierTest : public QObject {
    Q_OBJECT
    LocalSeconds m_now = local_days{2006y / March / 5} + 9h;

    // A period that has ended when it is loaded, then one that ends later.
    void endTwoPeriods() {
        PeriodEndNotifier notifier;
        QSignalSpy ended(&notifier, &PeriodEndNotifier::periodEnded);
        const Period periods[] = {{m_now - 2h, m_now - 1h}, {m_now, m_now + 10s}};
        for (const Period &period : periods) {
            notifier.periodLoaded(period, m_now);
            notifier.tick(countDown(period, m_now));
        }
        m_now += 10s;
        notifier.tick(countDown(periods[1], m_now));
        QCOMPARE(ended.count(), 1);
    }

private slots:
    void theEndIsToldOnTheSessionBusWithoutWaiting() {
        FakeNotificationService service;
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"s"_qs);
        QVERIFY(bus.registerVirtualObject(u"/org/freedesktop/Notifications"_qs, &service));
        QVERIFY(bus.registerService(u"org.freedesktop.Notifications"_qs));
        endTwoPeriods();
        QVERIFY(service.calls.isEmpty()); // it can arrive only once the event loop runs
        QTRY_COMPARE_WITH_TIMEOUT(service.calls.size(), 1, 30000);
        const QDBusMessage &call = service.calls[0];
        QCOMPARE(call.interface() + u'.' + call.member() + u' ' + call.signature(),
                 u"org.freedesktop.Notifications.Notify susssasa{sv}i"_qs);
        QVariantList arguments = call.arguments();
        arguments[6] = qdbus_cast<QVariantMap>(arguments[6]);
        const QString body = u"設定した期間が終了しました（2006/03/05 09:00:10）"_qs;
        const QVariantMap hints{{u"desktop-entry"_qs, u"org.dayglass.dayglass"_qs},
                                {u"sound-name"_qs, u"alarm-clock-elapsed"_qs}};
        QCOMPARE(arguments, (QVariantList{u"dayglass"_qs, 0u, u"dayglass"_qs, u"dayglass"_qs, body,
                                          QStringList(), hints, -1}));
    }

    // Fifteen minutes before the end, once, over ticks ten times a second; a
    // period already that close when it is loaded is not warned of.
    void theWarningComesOnceAtTheChosenLead() {
        FakeNotificationService service;
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"w"_qs);
        QVERIFY(bus.registerVirtualObject(u"/org/freedesktop/Notifications"_qs, &service));
        QVERIFY(bus.registerService(u"org.freedesktop.Notifications"_qs));
        const Period period{m_now - 1h, m_now + 20min}, close{m_now - 1h, m_now + 10min};
        PeriodWarningNotifier notifier;
        notifier.leadChosen(15min, m_now);
        notifier.periodLoaded(close, m_now);
        notifier.tick(countDown(close, m_now + 1s));
        notifier.periodLoaded(period, m_now);
        for (milliseconds elapsed{0}; elapsed < 10min; elapsed += 100ms)
            notifier.tick(countDown(period, m_now + duration_cast<seconds>(elapsed)));
        QTRY_COMPARE_WITH_TIMEOUT(service.calls.size(), 1, 30000);
        QTest::qWait(100);
        QCOMPARE(service.calls.size(), 1);
        QCOMPARE(service.calls[0].arguments().at(4).toString(),
                 u"設定した期間の終了まであと15分です（2006/03/05 09:20:00）"_qs);
        QCOMPARE(PeriodWarningNotifier::leadText(hours{24}) + PeriodWarningNotifier::leadText(1h),
                 u"1日1時間"_qs);
    }

    // Each function runs in a program of its own, which has not yet asked for
    // the bus.
    void withoutASessionBusTheWindowIsStillTold() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        QVERIFY(!QDBusConnection::sessionBus().isConnected());
        endTwoPeriods();
    }
};

QTEST_GUILESS_MAIN(PeriodEndNotifierTest)
#include "PeriodEndNotifierTest.moc"
