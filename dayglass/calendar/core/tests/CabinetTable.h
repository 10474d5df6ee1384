#pragma once

#include "TemporaryFolder.h"
#include "TextEncoding.h"

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

// Holidays as lines of the Cabinet Office's table, 2024/2/12,休日, so that
// tests compare whole years with the table and a failure names the days.

inline std::string tableLine(std::chrono::year_month_day date, std::string_view name) {
    return std::to_string(static_cast<int>(date.year())) + "/" +
           std::to_string(static_cast<unsigned>(date.month())) + "/" +
           std::to_string(static_cast<unsigned>(date.day())) + "," + std::string(name);
}

// The table of 1955 to 2027 in the test data (UTF-8), without its header.
inline std::vector<std::string> referenceLines() {
    std::istringstream text(readBytes(TEST_DATA_DIR "/japanese-holidays-1955-2027.csv"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    lines.erase(lines.begin());
    return lines;
}

// The days from `first` to `last` on which `holidayOn` gives a name.
template <class HolidayOn>
std::vector<std::string> holidayLines(std::chrono::sys_days first, std::chrono::sys_days last,
                                      HolidayOn holidayOn) {
    std::vector<std::string> lines;
    for (std::chrono::sys_days day = first; day <= last; day += std::chrono::days{1}) {
        if (const auto name = holidayOn(std::chrono::year_month_day{day}))
            lines.push_back(tableLine(std::chrono::year_month_day{day}, *name));
    }
    return lines;
}

// Lines as the Cabinet Office publishes them: after its header, in Shift-JIS,
// each ended by CR LF.
inline std::string publishedTable(const std::vector<std::string> &lines) {
    std::string text = "国民の祝日・休日月日,国民の祝日・休日名称\r\n";
    for (const std::string &line : lines)
        text += line + "\r\n";
    return encodeText(text, TextEncoding::Cp932);
}
