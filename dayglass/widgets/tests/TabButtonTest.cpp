#include "TabButton.h"

#include <QtTest>

// The tabs once took their look from a style sheet; they must look exactly as
// they did, in every state and at every screen density.
class TabButtonTest : public QObject {
    Q_OBJECT

    static QImage picture(QWidget &button, qreal ratio) {
        QImage image((QSizeF(button.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        button.render(&image);
        return image;
    }

    static void prepare(QPushButton &button, bool checked, bool down, bool focused) {
        button.setGeometry(0, 0, 87, 29);
        button.setFont(QFont(QStringLiteral("IPAGothic"), 12, QFont::Bold));
        button.setCheckable(true);
        button.setChecked(checked);
        button.setDown(down);
        if (!focused)
            return;
        button.setAttribute(Qt::WA_UnderMouse);
        button.show();
        button.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&button));
        button.setFocus();
        QVERIFY(button.hasFocus());
    }

private slots:
    void looksAsItsFormerStyleSheetDrew_data() {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QByteArray scale = " at " + QByteArray::number(ratio);
            QTest::newRow("raised" + scale) << false << false << false << ratio;
            QTest::newRow("sunken" + scale) << true << false << false << ratio;
            QTest::newRow("pressed" + scale) << false << true << false << ratio;
            QTest::newRow("sunken, pressed" + scale) << true << true << false << ratio;
            QTest::newRow("raised, focused, hovered" + scale) << false << false << true << ratio;
            QTest::newRow("sunken, focused, hovered" + scale) << true << false << true << ratio;
        }
    }
    void looksAsItsFormerStyleSheetDrew() {
        QFETCH(bool, checked);
        QFETCH(bool, down);
        QFETCH(bool, focused);
        QFETCH(qreal, ratio);
        QPushButton styled(QStringLiteral("CALENDAR"));
        styled.setStyleSheet(QStringLiteral(
            "QPushButton { color: white; background: black; border: 2px outset #a0a0a0; }"
            "QPushButton:checked { border: 2px inset #a0a0a0; background: #202020; }"));
        prepare(styled, checked, down, focused);
        TabButton tab(QStringLiteral("CALENDAR"), nullptr);
        prepare(tab, checked, down, focused);
        QCOMPARE(picture(tab, ratio), picture(styled, ratio));
    }
};

QTEST_MAIN(TabButtonTest)
#include "TabButtonTest.moc"
