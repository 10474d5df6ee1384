#include "DaySection.h"

#include <array>
#include <charconv>
#include <cstdio>

std::string WeekdayMark(std::chrono::weekday day) {
    static constexpr std::array<const char *, 7> marks = {"(日)", "(月)", "(火)", "(水)",
                                                          "(木)", "(金)", "(土)"};
    return marks[day.c_encoding()];
}

// The year with at least four digits, as the names of early years hold it.
std::string daySectionName(std::chrono::year_month_day date) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d/%02u/%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return digits + WeekdayMark(std::chrono::weekday{std::chrono::local_days{date}});
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
