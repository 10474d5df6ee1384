#pragma once

#include "Clock.h"
#include "MonthGrid.h"

#include <chrono>
#include <optional>

// Moving between months and days on the CALENDAR page. The calendar keeps to
// the years 1 to 9999, the range in which day section names have four digits.

enum class MonthStep { Previous, Next };

// The month of a moment, held to the calendar's years.
std::chrono::year_month monthOf(LocalSeconds moment);

unsigned dayOf(LocalSeconds moment);

// The month before or after; nothing beyond January 1 and December 9999.
std::optional<std::chrono::year_month> steppedMonth(std::chrono::year_month month, MonthStep step);

// The first cell whose caption is the day number. Hidden cells, captioned
// "99", never match.
std::optional<int> cellOfDay(const MonthGrid &grid, unsigned day);

// Whether the cell holds the month's last day, so that the next day lies in
// the next month.
bool monthEndsAfterCell(const MonthGrid &grid, int cell);

// Whether the cell holds the month's first day.
bool monthBeginsBeforeCell(const MonthGrid &grid, int cell);

// The cell of the month's last day. The scan starts at cell 10 because cells
// 7 to 28 hold days in every month shape.
int lastDayCell(const MonthGrid &grid);
