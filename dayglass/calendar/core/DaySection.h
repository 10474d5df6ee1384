#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The names of the day sections of Calendar.ini, which the store
// (DayNoteStore) alone builds and reads; everything else names a day by its
// date.

// The mark that ends a day section name: "(日)" for Sunday through "(土)" for
// Saturday.
std::string WeekdayMark(std::chrono::weekday day);

// The name of a day's section in Calendar.ini, as 2005/10/14(金).
std::string daySectionName(std::chrono::year_month_day date);

// The day whose section bears `name`: nothing for a name that daySectionName()
// builds for no day, such as one with the wrong weekday mark.
std::optional<std::chrono::year_month_day> dayOfSection(std::string_view name);
