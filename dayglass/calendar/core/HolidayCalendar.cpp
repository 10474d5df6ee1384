#include "HolidayCalendar.h"

#include "HolidayRules.h"

using namespace std::chrono;

std::optional<std::string> HolidayCalendar::holidayOn(year_month_day date) const {
    const auto &names = m_table.names;
    // The table's first day of the date's year or later tells whether the
    // table covers that year.
    const auto covering = names.lower_bound(date.year() / January / 1);
    if (covering != names.end() && covering->first.year() == date.year()) {
        const auto found = names.find(date);
        return found == names.end() ? std::nullopt : std::optional(found->second);
    }
    if (const auto name = holidayByLaw(date))
        return std::string(*name);
    return std::nullopt;
}

void markHolidays(const HolidayCalendar &holidays, MonthGrid &grid) {
    for (DayCell &cell : grid.cells)
        cell.holiday = cell.date ? holidays.holidayOn(*cell.date) : std::nullopt;
}

bool drawnInRed(const DayCell &cell) {
    return cell.date && (cell.holiday || weekday{local_days{*cell.date}} == Sunday);
}
