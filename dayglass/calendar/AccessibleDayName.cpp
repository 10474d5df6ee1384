#include "AccessibleDayName.h"

#include "DaySection.h"
#include "NoteText.h"

std::optional<std::string> accessibleDayName(const DayCell &cell) {
    if (!cell.date)
        return std::nullopt;
    const auto &date = *cell.date;
    std::string name = std::to_string(int(date.year())) + "年" +
                       std::to_string(unsigned(date.month())) + "月" +
                       std::to_string(unsigned(date.day())) + "日" +
                       WeekdayMark(std::chrono::weekday{std::chrono::local_days{date}});
    // A note made only of line breaks shows nothing, so it is no note to read.
    if (!NoteToText(cell.note).empty())
        name += "、メモあり";
    return name;
}
