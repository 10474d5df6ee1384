// How long one tick of the TIMER page takes: the count-down alone, and the
// count-down with the page repainted on the offscreen platform.

#include "Countdown.h"
#include "TimerPage.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

using namespace std::chrono;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    PaintCounter(int *count, QObject *parent) : QObject(parent), m_count(count) {}
    bool eventFilter(QObject *, QEvent *event) override {
        *m_count += event->type() == QEvent::Paint;
        return false;
    }

private:
    int *m_count;
};

const LocalSeconds periodEnd = local_days{2027y / March / 30} + 18h;
const Period period{local_days{2026y / November / 1}, periodEnd};

void TickComputation(benchmark::State &state) {
    LocalSeconds now = period.start;
    for (auto _ : state) {
        now += 1s;
        benchmark::DoNotOptimize(countDown(period, now));
    }
}
BENCHMARK(TickComputation);

void TickWithPainting(benchmark::State &state) {
    LocalSeconds now = local_days{2026y / December / 7} + 12h;
    TimerPage page(nullptr);
    page.showPeriodDates("2026/11/01", "2027/03/30");
    page.show();
    // Painting happens only once the window is on the (offscreen) screen.
    while (!page.windowHandle() || !page.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    int paints = 0;
    page.installEventFilter(new PaintCounter(&paints, &page));
    for (auto _ : state) {
        now += 1s;
        page.showCountdown(countDown(period, now));
        page.repaint();
    }
    state.counters["paints"] = paints;
}
BENCHMARK(TickWithPainting)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
