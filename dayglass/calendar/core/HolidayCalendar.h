#pragma once

#include "HolidayTable.h"
#include "MonthGrid.h"

#include <chrono>
#include <optional>
#include <string>
#include <utility>

// The holidays the CALENDAR page shows: those of the Cabinet Office's table
// for every year it covers, and those of the law for the others. Built once,
// it answers each day in a few steps.
class HolidayCalendar {
public:
    // The holidays of the law alone.
    HolidayCalendar() = default;
    // The table's holidays for each year of which it names a day.
    explicit HolidayCalendar(HolidayTable table) : m_table(std::move(table)) {}

    // The name of the holiday on `date` (UTF-8), "休日" for a substitute or a
    // citizens' holiday; nothing on any other day, and after
    // lastRuledHolidayYear unless the table covers the year.
    std::optional<std::string> holidayOn(std::chrono::year_month_day date) const;

private:
    HolidayTable m_table;
};

// Gives every day of the grid the holiday that `holidays` name for it.
void markHolidays(const HolidayCalendar &holidays, MonthGrid &grid);

// Whether a calendar that shows holidays draws the day's number in red, as
// Japanese calendars do: a holiday, or a Sunday. Saturdays are not.
bool drawnInRed(const DayCell &cell);
