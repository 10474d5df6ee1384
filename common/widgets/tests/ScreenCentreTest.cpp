#include "ScreenCentre.h"

#include <QtTest>

// Both dayglass dialogs open in the middle of the screen, whatever the parity
// of their sizes, and also when they are larger than the screen.
class ScreenCentreTest : public QObject {
    Q_OBJECT

private slots:
    void placesTheWindowInTheMiddle() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (const QSize size : {QSize(354, 160), QSize(353, 161), QSize(5001, 4001)}) {
            QWidget window;
            window.resize(size);
            centreOnScreen(window);
            const QPoint offset = window.geometry().center() - screen.center();
            QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
                     qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        }
    }
};

QTEST_MAIN(ScreenCentreTest)
#include "ScreenCentreTest.moc"
