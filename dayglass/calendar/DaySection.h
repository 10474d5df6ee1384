#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The mark that ends a day section name: "(日)" for Sunday through "(土)" for
// Saturday.
std::string WeekdayMark(std::chrono::weekday day);

// The name of a day's section in Calendar.ini, as 2005/10/14(金). It is built
// from the month heading ("2005  /  10": its first four and last two
// characters) and a day cell's caption ("14"), because files written by
// earlier versions hold exactly these names. Nothing when the two name no real
// day, as the caption "99" of a hidden cell does, so that no stray section is
// ever written.
std::optional<std::string> daySectionName(std::string_view heading, std::string_view caption);
