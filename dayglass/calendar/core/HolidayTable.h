#pragma once

#include "Result.h"

#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

// The table of holidays that the Cabinet Office publishes as syukujitsu.csv:
// Shift-JIS text, a header line, then one line for each holiday, its date as
// YYYY/M/D and its name parted by a comma.

// The largest table that is read. The Cabinet Office's, from 1955 on, is some
// twenty kilobytes.
inline constexpr std::size_t maximumHolidayTableSize = 1024 * 1024;

struct HolidayTable {
    // The name of every holiday of the table (UTF-8), by its date.
    std::map<std::chrono::year_month_day, std::string> names;

    bool operator==(const HolidayTable &) const = default;
};

enum class HolidayTableProblem {
    TooLarge,      // larger than maximumHolidayTableSize
    NoHolidays,    // no line after the header
    NoHeader,      // the first line is a holiday: the header is missing
    BadLine,       // no date and name parted by one comma, or a control character
    BadDate,       // a date that is not YYYY/M/D of a real day
    DuplicateDate, // a date that an earlier line gives already
    NotShiftJis,   // bytes that are no Shift-JIS text, such as a table saved as UTF-8
};

struct HolidayTableError {
    HolidayTableProblem problem = HolidayTableProblem::BadLine;
    // The line, counted from 1 as an editor counts them; 0 for the file as a
    // whole.
    std::size_t line = 0;

    bool operator==(const HolidayTableError &) const = default;
};

// The table that `bytes` hold, or the first line that cannot be read as one
// of its lines, so that a damaged table is never half used. Lines may end in
// CR LF or in LF alone; empty lines are skipped.
Result<HolidayTable, HolidayTableError> parseHolidayTable(std::string_view bytes);
