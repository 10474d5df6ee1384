#pragma once

#include "TemporaryFolder.h"
#include "TextEncoding.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Holidays as lines of the Cabinet Office's table, 2024/2/12,休日, so that
// tests compare whole years with the table and failures name the days.

inline std::string tableLine(std::chrono::year_month_day date, std::string_view name) {
    return std::to_string(static_cast<int>(date.year())) + "/" +
           std::to_string(static_cast<unsigned>(date.month())) + "/" +
           std::to_string(static_cast<unsigned>(date.day())) + "," + std::string(name);
}

// The lines of the table of 1955 to 2027 in the test data (UTF-8), without
// its header and line ends.
inline std::vector<std::string> referenceLines() {
    const std::string text = readBytes(TEST_DATA_DIR "/japanese-holidays-1955-2027.csv");
    std::vector<std::string> lines;
    for (std::size_t at = text.find('\n') + 1; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        if (lines.back().ends_with('\r'))
            lines.back().pop_back();
        at = end + 1;
    }
    return lines;
}

// The lines of the days from `first` to `last` on which `holidayOn` gives a
// name.
template <class HolidayOn>
std::vector<std::string> holidayLines(std::chrono::year_month_day first,
                                      std::chrono::year_month_day last, HolidayOn holidayOn) {
    std::vector<std::string> lines;
    for (std::chrono::sys_days day{first}; day <= std::chrono::sys_days{last};
         day += std::chrono::days{1}) {
        if (const auto name = holidayOn(std::chrono::year_month_day{day}))
            lines.push_back(tableLine(std::chrono::year_month_day{day}, *name));
    }
    return lines;
}

// Lines of UTF-8 text as the Cabinet Office publishes its table: after its
// header, in Shift-JIS, each ended by CR LF.
inline std::string publishedTable(const std::vector<std::string> &lines) {
    std::string text = "国民の祝日・休日月日,国民の祝日・休日名称\r\n";
    for (const std::string &line : lines)
        text += line + "\r\n";
    return encodeText(text, TextEncoding::Cp932);
}
