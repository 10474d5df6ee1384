#include "MonthGrid.h"

#include "DayNoteStore.h"
#include "DaySection.h"
#include "PaddedText.h"

std::string TStr(long long value) {
    return std::to_string(value);
}

std::string monthHeading(std::chrono::year_month month) {
    std::string year = TStr(static_cast<int>(month.year()));
    if (year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return year + "  /  " + paddedRight("0", TStr(static_cast<unsigned>(month.month())), 2);
}

MonthGrid buildMonthGrid(std::chrono::year_month month, const std::filesystem::path &dataFolder) {
    using namespace std::chrono;
    const local_days first{month / 1};
    const int firstCell = static_cast<int>(weekday{first}.c_encoding()) + 1;
    MonthGrid grid{monthHeading(month), {}};
    for (int number = firstCell; number <= dayCellCount; ++number) {
        const year_month_day date{first + days{number - firstCell}};
        if (date.year() / date.month() != month)
            break;
        DayCell &cell = grid.cells.at(static_cast<std::size_t>(number - 1));
        cell.caption = TStr(static_cast<unsigned>(date.day()));
        cell.visible = true;
        if (const auto section = daySectionName(grid.heading, cell.caption)) {
            const StoredDay stored = readDay(dataFolder, *section);
            cell.tag = stored.note;
            cell.colour = stored.colour;
        }
    }
    return grid;
}
