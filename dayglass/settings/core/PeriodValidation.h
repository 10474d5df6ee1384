#pragma once

#include "DataFile.h"
#include "Result.h"

#include <cstddef>
#include <string_view>
#include <variant>

enum class PeriodSide { Start, End };

// In the order of the dialog's columns and of dateTimeFields.
enum class PeriodField { Year, Month, Day, Hour, Minute, Second };

// A field that holds no number, or a number out of its range.
struct InvalidField {
    PeriodSide side = PeriodSide::Start;
    PeriodField field = PeriodField::Year;

    bool operator==(const InvalidField &) const = default;
};

// Every field is valid, but the start does not lie strictly before the end.
struct StartNotBeforeEnd {
    bool operator==(const StartNotBeforeEnd &) const = default;
};

using PeriodProblem = std::variant<InvalidField, StartNotBeforeEnd>;

// Checks the twelve texts of the period dialog; where they are no period, the
// first check that fails: month 1-12, day 1-30 (in every month), hour 0-23, minute and
// second 0-59, first of the start and then of the end; then each year must be
// a number; and the start must lie strictly before the end. Each text is read
// as periodFieldValue() reads it, so "+9" and "3.5" are numbers; the order
// compares the texts of each side, with leading zeros, joined into one number.
Result<void, PeriodProblem> checkPeriod(const PeriodTexts &texts);

// Whether a typed character is kept out of a period field: every printable
// character but the digits. Control characters, which keys such as Backspace
// and Delete carry, are left to the field, which inserts none of them.
bool isRefusedFieldCharacter(char32_t character);

// Whether a field that was filled with `stored` may now hold `edited`: digits
// alone, `limit` at the most, or what is left of the stored text after
// removals, so that a text stored by hand ("3.5", or a year of five digits)
// shows whole and can still be corrected. The limit is on what the user
// types, not on what the file holds.
bool acceptsFieldText(std::u32string_view stored, std::u32string_view edited, std::size_t limit);
