#include "DaySection.h"

#include "AsciiText.h"

#include <array>

std::string WeekdayMark(std::chrono::weekday day) {
    static constexpr std::array<const char *, 7> marks = {"(日)", "(月)", "(火)", "(水)",
                                                          "(木)", "(金)", "(土)"};
    return marks[day.c_encoding()];
}

std::optional<std::string> daySectionName(std::string_view heading, std::string_view caption) {
    using namespace std::chrono;
    if (heading.size() < 6 || caption.size() > 2)
        return std::nullopt;
    const std::string_view yearText = heading.substr(0, 4);
    const std::string_view monthText = heading.substr(heading.size() - 2);
    const std::string dayText = std::string(2 - caption.size(), '0') + std::string(caption);
    const auto yearNumber = decimalNumber(yearText);
    const auto monthNumber = decimalNumber(monthText);
    const auto dayNumber = decimalNumber(dayText);
    if (!yearNumber || !monthNumber || !dayNumber || *yearNumber == 0)
        return std::nullopt;
    const year_month_day date{year{static_cast<int>(*yearNumber)}, month{*monthNumber},
                              day{*dayNumber}};
    if (!date.ok())
        return std::nullopt;
    return std::string(yearText) + "/" + std::string(monthText) + "/" + dayText +
           WeekdayMark(weekday{local_days{date}});
}
