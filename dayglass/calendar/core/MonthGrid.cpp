#include "MonthGrid.h"

std::string TStr(long long value) {
    return std::to_string(value);
}

std::string DayCell::caption() const {
    return date ? TStr(static_cast<unsigned>(date->day())) : hiddenCellCaption;
}

MonthGrid layOutMonth(std::chrono::year_month month) {
    using namespace std::chrono;
    const local_days first{month / 1};
    const int firstCell = static_cast<int>(weekday{first}.c_encoding()) + 1;
    MonthGrid grid;
    for (int number = firstCell; number <= dayCellCount; ++number) {
        const year_month_day date{first + days{number - firstCell}};
        if (date.year() / date.month() != month)
            break;
        grid.cells.at(static_cast<std::size_t>(number - 1)).date = date;
    }
    return grid;
}
