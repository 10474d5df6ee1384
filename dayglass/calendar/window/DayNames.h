#pragma once

#include "MonthGrid.h"

#include <QString>
#include <chrono>
#include <optional>
#include <string>

// How the calendar's windows and messages name months and days to the user.

// The label above the column of the weekday: "日" for Sunday through "土" for
// Saturday.
QString weekdayName(std::chrono::weekday day);

// A holiday's name as the law or the Cabinet Office's table gives it (UTF-8),
// in the user's language where it has a translation.
QString holidayName(const std::string &name);

// The heading of the month's page, as 2005  /  03.
QString monthHeading(std::chrono::year_month month);

// A day as the editor's heading and the messages name it: 2005/10/14(金).
QString dayName(std::chrono::year_month_day date);

// The name under which assistive technology reads a day cell: the full date
// as Japanese writes it, 2005年10月14日(金), followed by its holiday when it
// is marked with one, "、休日", and by "、メモあり" when the day has a note to
// show. Nothing for a cell outside the month.
std::optional<QString> accessibleDayName(const DayCell &cell);
