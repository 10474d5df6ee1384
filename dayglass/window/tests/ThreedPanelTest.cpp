#include "ThreedPanel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

// A panel that serves as a button clicks as a button does, and must be one for
// assistive technology too: found as a button under its caption, and pressed
// from there.
class ThreedPanelTest : public QObject {
    Q_OBJECT

private slots:
    void pressingItClicksItOnceTheRequestHasReturned() {
        ThreedPanel panel(QStringLiteral("設定更新"), nullptr);
        QSignalSpy clicks(&panel, &ThreedPanel::clicked);
        QAccessibleActionInterface *actions =
            QAccessible::queryAccessibleInterface(&panel)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 0);
        QVERIFY(clicks.wait(1000));
        QCOMPARE(clicks.count(), 1);
    }

    void clicksOnlyWhenTheLeftButtonIsReleasedOverIt_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("clickCount");
        QTest::newRow("left, released over it") << Qt::LeftButton << QPoint(90, 20) << 1;
        QTest::newRow("left, released beside it") << Qt::LeftButton << QPoint(120, 20) << 0;
        QTest::newRow("right") << Qt::RightButton << QPoint(90, 20) << 0;
    }
    void clicksOnlyWhenTheLeftButtonIsReleasedOverIt() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, clickCount);
        ThreedPanel panel(QStringLiteral("初期化"), nullptr);
        panel.resize(100, 30);
        QSignalSpy clicks(&panel, &ThreedPanel::clicked);
        QTest::mousePress(&panel, button, {}, QPoint(10, 10));
        QTest::mouseRelease(&panel, button, {}, release);
        QCOMPARE(clicks.count(), clickCount);
    }

    void sinksWhilePressedAndRisesAgain() {
        ThreedPanel panel(QStringLiteral("設定"), nullptr);
        panel.resize(100, 30);
        const QImage raised = panel.grab().toImage();
        QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(panel.grab().toImage() != raised);
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(panel.grab().toImage(), raised);
    }
};

QTEST_MAIN(ThreedPanelTest)
#include "ThreedPanelTest.moc"
