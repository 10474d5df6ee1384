#pragma once

#include "StoredDay.h"

#include <array>
#include <chrono>
#include <optional>
#include <string>

// The CALENDAR page's month: 37 day cells, seven to a row from Sunday. Cells
// are numbered 1 to 37 as on the page.

inline constexpr int dayCellCount = 37;

// Cells outside the month carry this caption, which matches no day number.
inline constexpr char hiddenCellCaption[] = "99";

struct DayCell {
    // The day the cell shows; nothing for a cell outside the month, which is
    // hidden.
    std::optional<std::chrono::year_month_day> date;
    // What Calendar.ini holds for the day.
    StoredDay stored;
    // The national holiday on the day (UTF-8), while the page shows holidays
    // (see markHolidays in HolidayCalendar.h).
    std::optional<std::string> holiday{};

    // The day number without leading zero, or hiddenCellCaption.
    std::string caption() const;

    bool operator==(const DayCell &) const = default;
};

struct MonthGrid {
    std::array<DayCell, dayCellCount> cells;

    const DayCell &cell(int number) const { return cells.at(static_cast<std::size_t>(number - 1)); }

    bool operator==(const MonthGrid &) const = default;
};

// A number as text, without blanks around it.
std::string TStr(long long value);

// The month as the page lays it out: its days in their cells, without notes
// (see readMonthNotes in DayNoteStore.h).
MonthGrid layOutMonth(std::chrono::year_month month);
