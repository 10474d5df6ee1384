#include "ThreedPanel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

// A panel that serves as a button must be one for assistive technology too:
// found as a button under its caption, and pressed from there.
class ThreedPanelTest : public QObject {
    Q_OBJECT

private slots:
    void readsAsAButtonNamedByItsCaption() {
        ThreedPanel panel(QStringLiteral("時間設定"), nullptr);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&panel);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("時間設定"));
    }

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
};

QTEST_MAIN(ThreedPanelTest)
#include "ThreedPanelTest.moc"
