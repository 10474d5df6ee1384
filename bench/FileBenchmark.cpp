// How long the calendar's file work takes on a Calendar.ini of ten years of
// notes: one read, one write, and the reads of one month's redraw; and what
// the editor's open and save and the redraw after it cost on one of 63 MB.

#include "DailyCalendar.h"
#include "DayNoteStore.h"
#include "IniText.h"
#include "MonthGrid.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono;

// A folder in memory holding a calendar of a note a day from the first year
// to the last, so that a write's flush to disk is not measured.
struct MemoryFolder {
    MemoryFolder(year first, year last) { writeDailyCalendar(folder.path(), first, last); }
    const std::filesystem::path &path() const { return folder.path(); }

    const TemporaryFolder folder{"/dev/shm"};
};

const MemoryFolder &tenYears() {
    static const MemoryFolder folder(2000y, 2009y);
    return folder;
}

const MemoryFolder &twoThousandYears() {
    static const MemoryFolder folder(1000y, 2999y);
    return folder;
}

std::string tenYearCalendar() {
    return (tenYears().path() / "Calendar.ini").string();
}

// What one handler's read costs: an accessor of its own, which reads the
// file and indexes it, and one lookup.
void GetDataStr_NewAccessor_TenYearCalendar(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            cls_IniFile(tenYearCalendar()).GetDataStr("2005/10/14(金)", "Text"));
}
BENCHMARK(GetDataStr_NewAccessor_TenYearCalendar)->Unit(benchmark::kMicrosecond);

// Every further lookup of the same handler.
void GetDataStr_SameAccessor_TenYearCalendar(benchmark::State &state) {
    const cls_IniFile ini(tenYearCalendar());
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.GetDataStr("2005/10/14(金)", "Text"));
}
BENCHMARK(GetDataStr_SameAccessor_TenYearCalendar);

void SetDataStr_TenYearCalendar(benchmark::State &state) {
    cls_IniFile ini(tenYearCalendar());
    int round = 0;
    for (auto _ : state) {
        if (!ini.SetDataStr("2005/10/14(金)", "Collar", std::to_string(++round % 2 ? 255 : 65280)))
            return state.SkipWithError("the calendar could not be written");
    }
}
BENCHMARK(SetDataStr_TenYearCalendar)->Unit(benchmark::kMicrosecond);

void showMonth(benchmark::State &state, const MemoryFolder &folder) {
    for (auto _ : state) {
        MonthGrid grid = layOutMonth(2005y / October);
        readMonthNotes(folder.path(), grid);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK_CAPTURE(showMonth, TenYearCalendar, tenYears())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(showMonth, LargeCalendar, twoThousandYears())->Unit(benchmark::kMillisecond);

// The editor's open on the calendar of 63 MB: the day read afresh.
void OpenDay_LargeCalendar(benchmark::State &state) {
    constexpr year_month_day date = 2005y / October / 14;
    for (auto _ : state)
        benchmark::DoNotOptimize(DayNoteStore(twoThousandYears().path(), {date}).day(date));
}
BENCHMARK(OpenDay_LargeCalendar)->Unit(benchmark::kMillisecond);

// The editor's save, with its check that the day did not change meanwhile.
void SaveDay_LargeCalendar(benchmark::State &state) {
    constexpr year_month_day date = 2005y / October / 14;
    StoredDay day = DayNoteStore(twoThousandYears().path(), {date}).day(date);
    for (auto _ : state) {
        StoredDay changed = day;
        changed.colour = day.colour == 255 ? 65280 : 255;
        if (!saveDay(twoThousandYears().path(), date, changed, day))
            return state.SkipWithError("the calendar could not be written");
        day = changed;
    }
}
BENCHMARK(SaveDay_LargeCalendar)->Unit(benchmark::kMillisecond);

// An index over 65,536 sections, and 676 lookups in it, with names of four
// kinds: short, with a long shared prefix, in descending order, and in kanji.
// A sort and binary searches make as many comparisons whatever the names are;
// names that share a long prefix cost more per comparison (the 64 bytes are
// read each time), and no other row should stand out.
constexpr std::size_t indexedSections = 1 << 16;

std::string sectionName(std::int64_t kind, std::size_t i) {
    switch (kind) {
    case 0:
        return std::to_string(i);
    case 1:
        return std::string(64, 'q') + std::to_string(i);
    case 2:
        return std::to_string(indexedSections - i + 100000);
    default:
        return "\x93\xFA" + std::to_string(i) + "\x83\x41";
    }
}

std::string indexedContent(std::int64_t kind) {
    std::string content;
    for (std::size_t i = 0; i < indexedSections; ++i)
        content += "[" + sectionName(kind, i) + "]\r\nx=" + std::to_string(i) + "\r\n";
    return content;
}

void Index_Build_65536Sections(benchmark::State &state) {
    const std::string content = indexedContent(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(IniText::Index(content));
}
BENCHMARK(Index_Build_65536Sections)
    ->DenseRange(0, 3)
    ->ArgName("kind")
    ->Unit(benchmark::kMillisecond);

void Index_676Lookups_65536Sections(benchmark::State &state) {
    const std::string content = indexedContent(state.range(0));
    const IniText::Index index(content);
    for (auto _ : state) {
        for (std::size_t i = 0; i < indexedSections; i += 97)
            benchmark::DoNotOptimize(index.findValue(sectionName(state.range(0), i), "x"));
    }
}
BENCHMARK(Index_676Lookups_65536Sections)
    ->DenseRange(0, 3)
    ->ArgName("kind")
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
