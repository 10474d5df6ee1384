#include "DayCellButton.h"
#include "LineControl.h"

#include <QtTest>

namespace {

// The factor the screen is scaled by in this run.
int screenScale() {
    return qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
}

// The colours of a column of device pixels, from `top` down.
QList<QColor> columnOf(const QImage &image, int x, int top, int count) {
    QList<QColor> colours;
    for (int y = top; y < top + count; ++y)
        colours << image.pixelColor(x, y);
    return colours;
}

QList<QColor> repeated(const QColor &colour, int count) {
    return QList<QColor>(count, colour);
}

} // namespace

// Lines and edges one logical pixel wide keep that width on a scaled screen,
// as text and layout do, so that the window looks as at scale 1, only larger
// (run with QT_SCALE_FACTOR=2 too).
class ScaledScreenTest : public QObject {
    Q_OBJECT

private slots:
    void barMarksKeepTheirWidth() {
        QWidget page;
        page.resize(40, 20);
        page.setStyleSheet(QStringLiteral("background: black"));
        LineControl mark(QPoint(150, 150), QPoint(450, 150), &page); // (10, 10) to (30, 10)
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const int scale = screenScale();
        const QImage image = page.grab().toImage();
        QCOMPARE(image.devicePixelRatio(), qreal(scale));
        QCOMPARE(columnOf(image, 20 * scale, 9 * scale, 3 * scale), repeated(Qt::black, scale) +
                                                                        repeated(Qt::white, scale) +
                                                                        repeated(Qt::black, scale));
        QCOMPARE(image.pixelColor(10 * scale, 10 * scale), QColor(Qt::white));
        QCOMPARE(image.pixelColor(31 * scale - 1, 10 * scale), QColor(Qt::white));
        QCOMPARE(image.pixelColor(31 * scale, 10 * scale), QColor(Qt::black));
    }

    void dayCellsKeepTheWidthOfTheirEdges() {
        DayCellButton cell(nullptr);
        // Without the focus, whose dotted frame would cross the edges' inside.
        cell.setFocusPolicy(Qt::NoFocus);
        cell.resize(23, 21);
        const QColor dayColour(Qt::yellow);
        cell.setBackColor(dayColour);
        cell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cell));
        const int scale = screenScale();
        const QImage image = cell.grab().toImage();
        const int middle = image.width() / 2;
        // A raised cell: white then the day's colour at the top, dark grey
        // then black at the bottom, each edge one logical pixel.
        QCOMPARE(columnOf(image, middle, 0, 3 * scale),
                 repeated(Qt::white, scale) + repeated(dayColour, 2 * scale));
        QCOMPARE(columnOf(image, middle, image.height() - 3 * scale, 3 * scale),
                 repeated(dayColour, scale) + repeated(QColor(0x80, 0x80, 0x80), scale) +
                     repeated(Qt::black, scale));
    }
};

QTEST_MAIN(ScaledScreenTest)
#include "ScaledScreenTest.moc"
