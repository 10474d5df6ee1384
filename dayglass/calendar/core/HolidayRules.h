#pragma once

#include <chrono>
#include <optional>
#include <string_view>

// Japan's national holidays (国民の祝日) and the rest days (休日) that follow
// from them, as the law of 1948 and its amendments set them, named as the
// Cabinet Office's table names them.

// The last year whose holidays the rules give: the equinoxes come from a
// formula that holds until 2099.
inline constexpr std::chrono::year lastRuledHolidayYear{2099};

// The name of the holiday on `date` (UTF-8), "休日" for a substitute or a
// citizens' holiday; nothing on any other day, before the law came into force
// on 20 July 1948 and after lastRuledHolidayYear.
std::optional<std::string_view> holidayByLaw(std::chrono::year_month_day date);
