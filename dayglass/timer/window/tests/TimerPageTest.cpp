#include "TimerPage.h"

#include <QLabel>
#include <QtTest>

using namespace std::chrono;

namespace {

const LocalSeconds periodStart = local_days{2005y / October / 10} + 9h;
const LocalSeconds periodEnd = local_days{2006y / December / 30} + 18h;

const char *const unitNames[] = {"L_Year", "L_Month",  "L_Week",  "L_Day",
                                 "L_Hour", "L_Minute", "L_Second"};

// Names the widgets of a page that paint, in the order they do.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget *page) {
        page->installEventFilter(this);
        for (QWidget *child : page->findChildren<QWidget *>())
            child->installEventFilter(this);
    }
    QStringList painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            painted << watched->objectName();
        return false;
    }
};

} // namespace

class TimerPageTest : public QObject {
    Q_OBJECT

private:
    std::optional<Period> m_period;
    std::unique_ptr<TimerPage> m_page;

    // A page with the dates of the period, as the main window's LoadPeriod
    // hands them.
    void createPage() {
        m_period = Period{periodStart, periodEnd};
        m_page = std::make_unique<TimerPage>(nullptr);
        m_page->showPeriodDates("2005/10/10", "2006/12/30");
    }
    void tickAt(LocalSeconds now) { m_page->showCountdown(countDown(m_period, now)); }
    QLabel *label(const char *name) const {
        auto *found = m_page->findChild<QLabel *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no label %s", name);
        return found;
    }
    QLabel *unitLabel(int index) const {
        return label(QStringLiteral("tLabel_%1").arg(index).toLatin1().constData());
    }
    // The seven numbers of the unit column, separated by blanks.
    QString unitTexts() const {
        QStringList texts;
        for (const char *name : unitNames)
            texts << label(name)->text();
        return texts.join(QLatin1Char(' '));
    }
    QFrame *bar() const { return m_page->findChild<QFrame *>(QStringLiteral("SSPanel1")); }
    QColor barColour() const { return bar()->palette().color(QPalette::Window); }
    QColor textColour(const char *name) const {
        return label(name)->palette().color(QPalette::WindowText);
    }

private slots:
    void init() {
        createPage();
        m_page->show();
    }
    void cleanup() { m_page.reset(); }

    // Nine of ten ticks change no text, colour or height; they must not
    // repaint anything, and a tick that changes one number repaints only what
    // changed.
    void ticksPaintOnlyWhatChanged_data() {
        QTest::addColumn<LocalSeconds>("first");
        QTest::addColumn<LocalSeconds>("second");
        QTest::addColumn<QStringList>("painted");
        const LocalSeconds running = periodEnd - days{100} - 10s;
        QTest::newRow("running, same second") << running << running << QStringList();
        QTest::newRow("running, next second")
            << running << running + 1s << QStringList{QStringLiteral("L_Second")};
        QTest::newRow("ended, same second")
            << periodEnd + days{3} << periodEnd + days{3} << QStringList();
    }
    void ticksPaintOnlyWhatChanged() {
        QFETCH(LocalSeconds, first);
        QFETCH(LocalSeconds, second);
        QFETCH(QStringList, painted);
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        tickAt(first);
        QTest::qWait(50);
        PaintLog log(m_page.get());
        for (int tick = 0; tick < 9; ++tick) {
            tickAt(second);
            QTest::qWait(10);
        }
        log.painted.removeDuplicates();
        QCOMPARE(log.painted, painted);
    }

    // Also on a page first shown after a tick, as when dayglass starts on the
    // CALENDAR page.
    void showsTheStoredDates() {
        createPage();
        tickAt(periodEnd - 30s);
        m_page->show();
        QCOMPARE(label("L_Second")->text(), QStringLiteral("30"));
        QCOMPARE(label("STime")->text(), QStringLiteral("2005/10/10"));
        QCOMPARE(label("ETime")->text(), QStringLiteral("2006/12/30"));
        QCOMPARE(label("STimeT")->text(), QStringLiteral("開始"));
        QCOMPARE(label("tLabel_0")->text(), QStringLiteral("残時間"));
    }

    void hidesUnitsThatHaveRunOut() {
        tickAt(periodEnd - 30s);
        for (int i = 0; i < 6; ++i) {
            QVERIFY(!label(unitNames[i])->isVisible());
            QVERIFY(!unitLabel(i + 1)->isVisible());
        }
        QVERIFY(label("L_Second")->isVisible());
        QVERIFY(unitLabel(7)->isVisible());
        QVERIFY(unitLabel(0)->isVisible());
        QCOMPARE(label("L_Second")->text(), QStringLiteral("30"));
        QCOMPARE(textColour("L_Second"), Qt::white);
        QCOMPARE(textColour("tLabel_7"), Qt::white);
    }

    void endSecondTurnsThePageRed() {
        tickAt(periodEnd);
        QCOMPARE(unitTexts(), QStringLiteral("0 0 0 0 0 0 0"));
        for (const char *name : unitNames) {
            QVERIFY(label(name)->isVisible());
            QCOMPARE(textColour(name), Qt::red);
        }
        for (const char *name : {"STime", "ETime", "STimeT", "ETimeT", "FullLabel", "tLabel_0"})
            QCOMPARE(textColour(name), Qt::red);
        QVERIFY(!bar()->isVisible());
        QCOMPARE(barColour(), Qt::red);
    }

    void overrunCountsNegativeAndFillsTheBar() {
        tickAt(periodEnd + 12h);
        QCOMPARE(label("L_Day")->text(), QStringLiteral("0"));
        QCOMPARE(label("L_Hour")->text(), QStringLiteral("-12"));

        tickAt(periodEnd + (periodEnd - periodStart) / 2);
        QCOMPARE(bar()->height(), 113);
        QCOMPARE(barColour(), Qt::red);

        tickAt(periodEnd + (periodEnd - periodStart) * 3);
        QCOMPARE(bar()->geometry(), QRect(2, 2, 22, 225));
        QCOMPARE(barColour(), Qt::red);
    }

    void beforeTheStartTheBarIsFullAndBlue() {
        tickAt(periodStart - days{10});
        QCOMPARE(bar()->geometry(), QRect(2, 2, 22, 225));
        QCOMPARE(barColour(), QColor(0, 0, 255));
        // Every unit is left, each in its own label.
        QCOMPARE(unitTexts(), QStringLiteral("1 15 65 456 10953 657180 39430800"));
        for (int i = 0; i <= 7; ++i)
            QVERIFY(unitLabel(i)->isVisible());
    }

    void aNewPeriodTurnsAnEndedPageBackToWhite() {
        tickAt(periodEnd + 1s);
        QCOMPARE(textColour("L_Second"), Qt::red);
        m_period = Period{periodEnd, periodEnd + days{2}};
        tickAt(periodEnd + days{1});
        QCOMPARE(textColour("L_Second"), Qt::white);
        QCOMPARE(barColour(), QColor(0, 255, 0));
        QCOMPARE(bar()->height(), 113);
    }

    void unusableOrDegeneratePeriodsStayCalm() {
        m_period.reset();
        m_page->showPeriodDates({}, {});
        tickAt(periodEnd);
        QCOMPARE(label("STime")->text(), QString());
        QCOMPARE(unitTexts(), QStringLiteral("0 0 0 0 0 0 0"));
        QCOMPARE(textColour("L_Day"), Qt::white);
        QVERIFY(!bar()->isVisible());

        m_period = Period{periodEnd, periodEnd};
        tickAt(periodEnd - 5s);
        QCOMPARE(bar()->height(), 225);
        tickAt(periodEnd + 5s);
        QCOMPARE(textColour("L_Second"), Qt::red);
        QCOMPARE(bar()->height(), 225);
    }
};

QTEST_MAIN(TimerPageTest)
#include "TimerPageTest.moc"
