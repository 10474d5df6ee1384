#include "MonthGrid.h"

#include "DayNoteStore.h"
#include "TemporaryFolder.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

struct MonthShape {
    const char *name;
    year_month month;
    int firstCell;
    int lastCell;
};

TEST(MonthGridTest, DaysFillTheirCellsAndTheRestIsHidden) {
    const MonthShape shapes[] = {
        {"May2005StartsOnSunday", 2005y / May, 1, 31},
        {"October2005UsesCell37", 2005y / October, 7, 37},
        {"September2007Has30DaysFromSaturday", 2007y / September, 7, 36},
        {"February2009FillsFourRows", 2009y / February, 1, 28},
        {"March2005", 2005y / March, 3, 33},
        {"December2005", 2005y / December, 5, 35},
        {"February2008IsALeapMonth", 2008y / February, 6, 34},
        {"JanuaryOfYear5", year{5} / January, 7, 37},
        {"December9999", 9999y / December, 4, 34},
    };
    for (const MonthShape &shape : shapes) {
        SCOPED_TRACE(shape.name);
        const MonthGrid grid = layOutMonth(shape.month);
        for (int cell = 1; cell <= dayCellCount; ++cell) {
            const bool inMonth = cell >= shape.firstCell && cell <= shape.lastCell;
            const unsigned dayNumber = static_cast<unsigned>(cell - shape.firstCell + 1);
            const std::string caption = inMonth ? std::to_string(dayNumber) : hiddenCellCaption;
            const auto date = inMonth ? std::optional(shape.month / day{dayNumber}) : std::nullopt;
            EXPECT_EQ(grid.cell(cell), (DayCell{date, {}})) << "cell " << cell;
            EXPECT_EQ(grid.cell(cell).caption(), caption) << "cell " << cell;
            EXPECT_EQ(grid.cell(cell).date.has_value(), inMonth) << "cell " << cell;
        }
    }
}

MonthGrid readMonth(const TemporaryFolder &folder, year_month month) {
    MonthGrid grid = layOutMonth(month);
    readMonthNotes(folder.path(), grid);
    return grid;
}

TEST(MonthGridTest, EachDayCarriesItsRawNoteAndColour) {
    const TemporaryFolder folder;
    writeBytes(folder / calendarFileName,
               "[2005/03/07\x28\x8C\x8E\x29]\r\nText=first line#CR#second line\r\nCollar=65535\r\n"
               "[2005/03/08\x28\x89\xCE\x29]\r\nText=\r\nCollar=not a colour\r\n"
               "[2005/03/31\x28\x96\xD8\x29]\r\nText=last\r\nCollar=&HFF0000\r\n"
               "[2005/04/01\x28\x8B\xE0\x29]\r\nText=April\r\nCollar=255\r\n");
    const MonthGrid grid = readMonth(folder, 2005y / March);
    EXPECT_EQ(grid.cell(9), (DayCell{2005y / March / 7, {"first line#CR#second line", 65535}}));
    EXPECT_EQ(grid.cell(10), (DayCell{2005y / March / 8, {}}));
    EXPECT_EQ(grid.cell(33), (DayCell{2005y / March / 31, {"last", 16711680}}));
    EXPECT_EQ(grid.cell(34), DayCell{}); // April's note stays out of March
    EXPECT_EQ(readMonth(folder, 2005y / March), grid);
}

TEST(MonthGridTest, EarlyYearsReadTheirZeroPaddedSections) {
    const TemporaryFolder folder;
    writeBytes(folder / calendarFileName,
               encodeText("[0005/01/01(土)]\r\nText=early\r\nCollar=255\r\n", TextEncoding::Cp932));
    EXPECT_EQ(readMonth(folder, year{5} / January).cell(7),
              (DayCell{year{5} / January / 1, {"early", 255}}));
}

} // namespace
