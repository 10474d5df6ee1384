#pragma once

#include "MonthGrid.h"

#include <optional>
#include <string>

// The name under which assistive technology reads a day cell: the full date
// as Japanese writes it, 2005年10月14日(金), followed by "、メモあり" when the
// day has a note to show. Nothing for a cell outside the month.
std::optional<std::string> accessibleDayName(const DayCell &cell);
