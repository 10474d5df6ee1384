#include "ScreenCentre.h"

#include <QtTest>

// Both dayglass dialogs open in the middle of the screen, whatever the parity
// of their sizes.
class ScreenCentreTest : public QObject {
    Q_OBJECT

private slots:
    void placesTheWindowInTheMiddle_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("even") << QSize(354, 160);
        QTest::newRow("odd") << QSize(353, 161);
        QTest::newRow("larger than the screen") << QSize(5001, 4001);
    }

    void placesTheWindowInTheMiddle() {
        QFETCH(QSize, size);
        QWidget window;
        window.resize(size);
        centreOnScreen(window);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint offset = window.geometry().center() - screen.center();
        QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(ScreenCentreTest)
#include "ScreenCentreTest.moc"
