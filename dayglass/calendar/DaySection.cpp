#include "DaySection.h"

#include "PaddedText.h"

#include <algorithm>
#include <array>

std::string WeekdayMark(std::chrono::weekday day) {
    static constexpr std::array<const char *, 7> marks = {"(日)", "(月)", "(火)", "(水)",
                                                          "(木)", "(金)", "(土)"};
    return marks[day.c_encoding()];
}

std::string fourDigitYear(std::chrono::year year) {
    const std::string digits = std::to_string(static_cast<int>(year));
    return std::string(4 - std::min<std::size_t>(digits.size(), 4), '0') + digits;
}

std::string daySectionName(std::chrono::year_month_day date) {
    const auto twoDigits = [](unsigned number) {
        return paddedRight("0", std::to_string(number), 2);
    };
    return fourDigitYear(date.year()) + "/" + twoDigits(static_cast<unsigned>(date.month())) + "/" +
           twoDigits(static_cast<unsigned>(date.day())) +
           WeekdayMark(std::chrono::weekday{std::chrono::local_days{date}});
}
