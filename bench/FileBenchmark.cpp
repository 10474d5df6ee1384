// How long the calendar's file work takes on a Calendar.ini of ten years of
// notes: one read, one write, and the reads of one month's redraw.

#include "DayNoteStore.h"
#include "TenYearCalendar.h"
#include "cls_IniFile.h"

#include <benchmark/benchmark.h>
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

const MemoryFolder &tenYears() {
    static const MemoryFolder folder;
    return folder;
}

std::string tenYearCalendar() {
    return (tenYears().path() / "Calendar.ini").string();
}

// What one handler's read costs: an accessor of its own, which reads the
// file and indexes it, and one lookup.
void GetDataStr_NewAccessor_TenYearCalendar(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(iniFileAt(tenYearCalendar()).GetDataStr("2005/10/14(金)", "Text"));
}
BENCHMARK(GetDataStr_NewAccessor_TenYearCalendar)->Unit(benchmark::kMicrosecond);

// Every further lookup of the same handler.
void GetDataStr_SameAccessor_TenYearCalendar(benchmark::State &state) {
    const cls_IniFile ini = iniFileAt(tenYearCalendar());
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.GetDataStr("2005/10/14(金)", "Text"));
}
BENCHMARK(GetDataStr_SameAccessor_TenYearCalendar);

void SetDataStr_TenYearCalendar(benchmark::State &state) {
    cls_IniFile ini = iniFileAt(tenYearCalendar());
    int round = 0;
    for (auto _ : state) {
        if (!ini.SetDataStr("2005/10/14(金)", "Collar", std::to_string(++round % 2 ? 255 : 65280)))
            return state.SkipWithError("the calendar could not be written");
    }
}
BENCHMARK(SetDataStr_TenYearCalendar)->Unit(benchmark::kMicrosecond);

void ShowMonth_TenYearCalendar(benchmark::State &state) {
    using namespace std::chrono;
    for (auto _ : state) {
        MonthGrid grid = layOutMonth(2005y / October);
        readMonthNotes(tenYears().path(), grid);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(ShowMonth_TenYearCalendar)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
