#pragma once

#include <chrono>
#include <string>

// The mark that ends a day section name: "(日)" for Sunday through "(土)" for
// Saturday.
std::string WeekdayMark(std::chrono::weekday day);

// The year as the month heading and the day section names write it: with at
// least four digits, zeros in front, so that early years keep the form of
// the names that files written by earlier versions hold.
std::string fourDigitYear(std::chrono::year year);

// A month or a day with two digits, zero in front.
std::string twoDigits(unsigned number);

// The name of a day's section in Calendar.ini, as 2005/10/14(金).
std::string daySectionName(std::chrono::year_month_day date);
