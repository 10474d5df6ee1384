#include "DaySection.h"

#include "PaddedText.h"

#include <algorithm>
#include <array>
#include <charconv>

std::string WeekdayMark(std::chrono::weekday day) {
    static constexpr std::array<const char *, 7> marks = {"(日)", "(月)", "(火)", "(水)",
                                                          "(木)", "(金)", "(土)"};
    return marks[day.c_encoding()];
}

namespace {

// At least four digits, as the day section names of Calendar.ini hold early
// years.
std::string fourDigitYear(std::chrono::year year) {
    const std::string digits = std::to_string(static_cast<int>(year));
    return std::string(4 - std::min<std::size_t>(digits.size(), 4), '0') + digits;
}

} // namespace

std::string daySectionName(std::chrono::year_month_day date) {
    const auto twoDigits = [](unsigned number) {
        return leftPadded("0", std::to_string(number), 2);
    };
    return fourDigitYear(date.year()) + "/" + twoDigits(static_cast<unsigned>(date.month())) + "/" +
           twoDigits(static_cast<unsigned>(date.day())) +
           WeekdayMark(std::chrono::weekday{std::chrono::local_days{date}});
}

std::optional<std::chrono::year_month_day> dayOfSection(std::string_view name) {
    // Year, month and day, each a number ended by its separator; the name
    // built back from them must be the name, weekday mark and zeros included.
    int parts[3] = {};
    const char *at = name.data();
    const char *const end = name.data() + name.size();
    const char separators[] = {'/', '/', '('};
    for (std::size_t part = 0; part < 3; ++part) {
        const auto [next, error] = std::from_chars(at, end, parts[part]);
        if (error != std::errc() || next == end || *next != separators[part])
            return std::nullopt;
        at = next + 1;
    }
    const std::chrono::year_month_day date{std::chrono::year{parts[0]},
                                           std::chrono::month{static_cast<unsigned>(parts[1])},
                                           std::chrono::day{static_cast<unsigned>(parts[2])}};
    if (!date.ok() || parts[0] < 1 || daySectionName(date) != name)
        return std::nullopt;
    return date;
}
