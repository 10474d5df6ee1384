#include "AccessibleDayName.h"

#include "AsciiText.h"
#include "DaySection.h"
#include "NoteText.h"

std::optional<std::string> accessibleDayName(std::chrono::year_month month, const DayCell &cell) {
    using namespace std::chrono;
    if (!cell.visible)
        return std::nullopt;
    const auto dayNumber = decimalNumber(cell.caption);
    if (!dayNumber)
        return std::nullopt;
    const year_month_day date = month / day{*dayNumber};
    if (!date.ok())
        return std::nullopt;
    std::string name = std::to_string(int(date.year())) + "年" +
                       std::to_string(unsigned(date.month())) + "月" + std::to_string(*dayNumber) +
                       "日" + WeekdayMark(weekday{local_days{date}});
    // A note made only of line breaks shows nothing, so it is no note to read.
    if (!NoteToText(cell.tag).empty())
        name += "、メモあり";
    return name;
}
