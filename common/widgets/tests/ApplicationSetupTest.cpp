#include "ApplicationSetup.h"

#include "EmbeddedIconEngine.h"
#include "JapaneseFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QPainter>
#include <QScopeGuard>
#include <QtTest>
#include <algorithm>

class ApplicationSetupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A desktop whose own font is anything but Japanese: the design's
        // fonts must not follow it.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
        setUpApplication(*qobject_cast<QApplication *>(QCoreApplication::instance()),
                         QStringLiteral("dayglass"));
    }

    void designFontsResolveToJapaneseGothics_data() {
        QTest::addColumn<FontFace>("face");
        QTest::addColumn<FontWeight>("weight");
        QTest::addColumn<QStringList>("expected");
        // Qt reports a family under its Japanese name on a Japanese desktop.
        const QStringList gothic = {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")};
        const QStringList pGothic = {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
        QTest::newRow("ＭＳ ゴシック") << FontFace::MsGothic << FontWeight::Regular << gothic;
        QTest::newRow("ＭＳ ゴシック bold") << FontFace::MsGothic << FontWeight::Bold << gothic;
        QTest::newRow("ＭＳ Ｐゴシック") << FontFace::MsPGothic << FontWeight::Regular << pGothic;
        QTest::newRow("ＭＳ Ｐゴシック bold") << FontFace::MsPGothic << FontWeight::Bold << pGothic;
    }
    void designFontsResolveToJapaneseGothics() {
        QFETCH(FontFace, face);
        QFETCH(FontWeight, weight);
        QFETCH(QStringList, expected);
        if (std::ranges::none_of(expected, QFontDatabase::hasFamily))
            QSKIP("The IPA fonts (fonts-ipafont-gothic) are not installed.");
        const QFontInfo resolved(designFont(face, 12, weight));
        QVERIFY2(expected.contains(resolved.family()), qPrintable(resolved.family()));
    }

    // MS Gothic gives every half-width character the same width and every
    // full-width character twice that, and the layout counts on it.
    void gothicKeepsTheWidthsOfTheDesign() {
        const QFontMetrics metrics(designFont(FontFace::MsGothic, 12, FontWeight::Regular));
        const int halfWidth = metrics.horizontalAdvance(QStringLiteral("0"));
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("1")), halfWidth);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("W")), halfWidth);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("時")), 2 * halfWidth);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("2005/10/10")), 10 * halfWidth);
    }

    // The choice each kind of desktop session gets: an unset variable is
    // written here as an empty text.
    void theWindowSystemIsX11WhereverTheDesktopOffersIt_data() {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("X11 or XWayland")
            << QByteArray() << QByteArray(":0") << QByteArray("xcb;wayland");
        QTest::newRow("Wayland alone") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("the user's choice")
            << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland");
    }
    void theWindowSystemIsX11WhereverTheDesktopOffersIt() {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        const QByteArray savedPlatform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray savedDisplay = qgetenv("DISPLAY");
        const auto restore = qScopeGuard([&] {
            qputenv("QT_QPA_PLATFORM", savedPlatform);
            qputenv("DISPLAY", savedDisplay);
        });
        qputenv("QT_QPA_PLATFORM", platform);
        qputenv("DISPLAY", display);
        chooseWindowSystem();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), chosen);
    }

    void everyWindowShowsTheProgramIconInEveryDrawnSize() {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("dayglass"));
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
        for (const int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // Each size is decoded when asked for: one between two pictures is the
        // larger picture scaled down, and none is scaled up.
        const QIcon icon = QApplication::windowIcon();
        for (const auto &[asked, given] : {std::pair{48, 48}, {40, 40}, {512, 256}}) {
            const QImage picture = icon.pixmap(QSize(asked, asked)).toImage();
            QCOMPARE(picture.size(), QSize(given, given));
            QCOMPARE(icon.actualSize(QSize(asked, asked)), QSize(given, given));
            QVERIFY(picture.pixel(given / 2, given / 2) != 0);
        }
    }

    // On a screen of twice the density the icon is drawn from the picture
    // for its pixels, within its place; without pictures there is no icon.
    void theIconDrawsAtTheScreensDensity() {
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        QImage canvas(QSize(80, 80), QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(2);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        QApplication::windowIcon().paint(&painter, QRect(0, 0, 32, 32));
        painter.end();
        QVERIFY(qAlpha(canvas.pixel(32, 32)) != 0);
        QCOMPARE(qAlpha(canvas.pixel(70, 70)), 0);
        QVERIFY(QIcon(new EmbeddedIconEngine(QStringList())).isNull());
    }
};

QTEST_MAIN(ApplicationSetupTest)
#include "ApplicationSetupTest.moc"
