#include "MonthGrid.h"

#include "DaySection.h"
#include "PaddedText.h"

std::string TStr(long long value) {
    return std::to_string(value);
}

std::string DayCell::caption() const {
    return date ? TStr(static_cast<unsigned>(date->day())) : hiddenCellCaption;
}

namespace {

// "2005  /  03": the year with at least four digits and the month with two.
std::string monthHeading(std::chrono::year_month month) {
    return fourDigitYear(month.year()) + "  /  " +
           leftPadded("0", TStr(static_cast<unsigned>(month.month())), 2);
}

} // namespace

MonthGrid layOutMonth(std::chrono::year_month month) {
    using namespace std::chrono;
    const local_days first{month / 1};
    const int firstCell = static_cast<int>(weekday{first}.c_encoding()) + 1;
    MonthGrid grid{monthHeading(month), {}};
    for (int number = firstCell; number <= dayCellCount; ++number) {
        const year_month_day date{first + days{number - firstCell}};
        if (date.year() / date.month() != month)
            break;
        grid.cells.at(static_cast<std::size_t>(number - 1)).date = date;
    }
    return grid;
}
