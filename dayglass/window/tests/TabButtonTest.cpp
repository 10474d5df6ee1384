#include "TabButton.h"

#include <QtTest>

// A tab draws by hand what Qt draws for a push button styled with its design
// (a two-pixel #a0a0a0 border, outset raised, inset sunk): pixel for pixel,
// focused and under the mouse, in every state and at every screen density.
class TabButtonTest : public QObject {
    Q_OBJECT

    static QImage picture(QPushButton &button, bool checked, bool down, qreal ratio) {
        button.setFocus();
        button.setChecked(checked);
        button.setDown(down);
        QImage image(button.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        button.render(&image);
        return image;
    }

private slots:
    void looksAsTheStyleSheetOfItsDesignDraws() {
        QWidget window;
        TabButton tab(QStringLiteral("CALENDAR"), &window);
        QPushButton styled(QStringLiteral("CALENDAR"), &window);
        styled.setCheckable(true);
        styled.setStyleSheet(QStringLiteral(
            "QPushButton { color: white; background: black; border: 2px outset #a0a0a0; }"
            "QPushButton:checked { border: 2px inset #a0a0a0; background: #202020; }"));
        for (QPushButton *button : {static_cast<QPushButton *>(&tab), &styled}) {
            button->setGeometry(0, 0, 87, 29);
            button->setAttribute(Qt::WA_UnderMouse);
        }
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const qreal ratio : {1.0, 1.5, 2.0})
            for (const bool checked : {false, true})
                for (const bool down : {false, true}) {
                    const QImage drawn = picture(tab, checked, down, ratio);
                    QCOMPARE(drawn, picture(styled, checked, down, ratio));
                }
        QVERIFY(styled.hasFocus());
    }
};

QTEST_MAIN(TabButtonTest)
#include "TabButtonTest.moc"
