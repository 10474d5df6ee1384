#pragma once

#include "PeriodStore.h"

#include <optional>
#include <string>

// Checks the twelve texts of the period dialog in the order the user reads
// them, and returns the message of the first check that fails: a year must be
// a number; month 1-12, day 1-30 (in every month), hour 0-23, minute and
// second 0-59; and the start must lie strictly before the end.
std::optional<std::string> firstPeriodProblem(const PeriodTexts &texts);

// The comparison key of one side: the year's last four digits and the other
// five fields with two digits each, read as one decimal number.
double periodOrderKey(const DateTimeTexts &texts);

// Whether a typed character may enter a period field: digits and backspace.
bool isAcceptedFieldCharacter(char32_t character);
