#pragma once

#include "MonthGrid.h"

#include <QString>
#include <optional>

// The name under which assistive technology reads a day cell: the full date
// as Japanese writes it, 2005年10月14日(金), followed by "、メモあり" when the
// day has a note to show. Nothing for a cell outside the month.
std::optional<QString> accessibleDayName(const DayCell &cell);
