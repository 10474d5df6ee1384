// How long the calendar's file work takes on a Calendar.ini of ten years of
// notes: one read, one write, and the reads of one month's redraw.

#include "MonthGrid.h"
#include "TenYearCalendar.h"
#include "cls_IniFile.h"

#include <benchmark/benchmark.h>
#include <thread>
#include <unistd.h>

namespace {

// A folder in memory, so that a write's flush to disk is not measured.
class MemoryFolder {
public:
    MemoryFolder(MemoryFolder &&other) noexcept : m_path(std::exchange(other.m_path, {})) {}
    MemoryFolder() {
        std::string pattern = "/dev/shm/dg-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            pattern = std::filesystem::temp_directory_path() / "dg-bench";
        m_path = pattern;
        std::filesystem::create_directories(m_path);
        writeTenYearCalendar(m_path);
    }
    ~MemoryFolder() {
        if (!m_path.empty())
            std::filesystem::remove_all(m_path);
    }
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The calendar as it usually is: written some time ago. The cache takes a
// file whose change time lies less than three seconds back for one that may
// still change unseen, and compares its bytes at every read.
const MemoryFolder &tenYears() {
    static const MemoryFolder folder = [] {
        MemoryFolder made;
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));
        return made;
    }();
    return folder;
}

// A calendar that has just been written, as after a note was saved.
const MemoryFolder &justWritten() {
    static const MemoryFolder folder;
    return folder;
}

void GetDataStr_TenYearCalendar(benchmark::State &state) {
    const cls_IniFile ini = iniFileAt((tenYears().path() / "Calendar.ini").string());
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.GetDataStr("2005/10/14(金)", "Text"));
}
BENCHMARK(GetDataStr_TenYearCalendar);

void SetDataStr_TenYearCalendar(benchmark::State &state) {
    cls_IniFile ini = iniFileAt((justWritten().path() / "Calendar.ini").string());
    int round = 0;
    for (auto _ : state)
        ini.SetDataStr("2005/10/14(金)", "Collar", std::to_string(++round % 2 ? 255 : 65280));
}
BENCHMARK(SetDataStr_TenYearCalendar)->Unit(benchmark::kMicrosecond);

void ShowMonth_TenYearCalendar(benchmark::State &state) {
    using namespace std::chrono;
    for (auto _ : state)
        benchmark::DoNotOptimize(buildMonthGrid(2005y / October, tenYears().path()));
}
BENCHMARK(ShowMonth_TenYearCalendar)->Unit(benchmark::kMicrosecond);

void ShowMonth_JustWrittenCalendar(benchmark::State &state) {
    using namespace std::chrono;
    cls_IniFile ini = iniFileAt((justWritten().path() / "Calendar.ini").string());
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ini.SetDataStr("2005/10/14(金)", "Collar", ++round % 2 ? "255" : "65280");
        state.ResumeTiming();
        benchmark::DoNotOptimize(buildMonthGrid(2005y / October, justWritten().path()));
    }
}
BENCHMARK(ShowMonth_JustWrittenCalendar)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
