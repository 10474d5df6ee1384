#include "MonthGrid.h"

#include "DayNoteStore.h"
#include "DaySection.h"
#include "PaddedText.h"

std::string TStr(long long value) {
    return std::to_string(value);
}

std::string DayCell::caption() const {
    return date ? TStr(static_cast<unsigned>(date->day())) : hiddenCellCaption;
}

std::string monthHeading(std::chrono::year_month month) {
    return fourDigitYear(month.year()) + "  /  " +
           paddedRight("0", TStr(static_cast<unsigned>(month.month())), 2);
}

MonthGrid buildMonthGrid(std::chrono::year_month month, const std::filesystem::path &dataFolder) {
    using namespace std::chrono;
    const local_days first{month / 1};
    const int firstCell = static_cast<int>(weekday{first}.c_encoding()) + 1;
    MonthGrid grid{monthHeading(month), {}};
    // One read of the file for the whole month.
    const cls_IniFile calendar = calendarFileIn(dataFolder);
    for (int number = firstCell; number <= dayCellCount; ++number) {
        const year_month_day date{first + days{number - firstCell}};
        if (date.year() / date.month() != month)
            break;
        const StoredDay stored = readDay(calendar, daySectionName(date));
        grid.cells.at(static_cast<std::size_t>(number - 1)) = {date, stored.note, stored.colour,
                                                               stored.noteCut};
    }
    return grid;
}
