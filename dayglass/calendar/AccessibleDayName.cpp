#include "AccessibleDayName.h"

#include "DaySection.h"
#include "NoteText.h"

std::optional<std::string> accessibleDayName(const DayCell &cell) {
    using namespace std::chrono;
    if (!cell.date)
        return std::nullopt;
    const year_month_day date = *cell.date;
    std::string name =
        std::to_string(int(date.year())) + "年" + std::to_string(unsigned(date.month())) + "月" +
        std::to_string(unsigned(date.day())) + "日" + WeekdayMark(weekday{local_days{date}});
    // A note made only of line breaks shows nothing, so it is no note to read.
    if (!NoteToText(cell.tag).empty())
        name += "、メモあり";
    return name;
}
