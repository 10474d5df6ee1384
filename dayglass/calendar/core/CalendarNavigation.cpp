#include "CalendarNavigation.h"

#include <algorithm>

namespace {

constexpr std::chrono::year_month earliestMonth{std::chrono::year{1}, std::chrono::January};
constexpr std::chrono::year_month latestMonth{std::chrono::year{9999}, std::chrono::December};

std::chrono::year_month_day dateOf(LocalSeconds moment) {
    return std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(moment)};
}

} // namespace

std::chrono::year_month monthOf(LocalSeconds moment) {
    const std::chrono::year_month_day date = dateOf(moment);
    return std::clamp(date.year() / date.month(), earliestMonth, latestMonth);
}

unsigned dayOf(LocalSeconds moment) {
    return static_cast<unsigned>(dateOf(moment).day());
}

std::optional<std::chrono::year_month> steppedMonth(std::chrono::year_month month, MonthStep step) {
    const std::chrono::months change{step == MonthStep::Next ? 1 : -1};
    const std::chrono::year_month stepped = month + change;
    if (stepped < earliestMonth || stepped > latestMonth)
        return std::nullopt;
    return stepped;
}

std::optional<int> cellOfDay(const MonthGrid &grid, unsigned day) {
    for (int number = 1; number <= dayCellCount; ++number) {
        if (grid.cell(number).caption() == TStr(day))
            return number;
    }
    return std::nullopt;
}

bool monthEndsAfterCell(const MonthGrid &grid, int cell) {
    return cell >= dayCellCount || !grid.cell(cell + 1).date;
}

bool monthBeginsBeforeCell(const MonthGrid &grid, int cell) {
    return cell <= 1 || !grid.cell(cell - 1).date;
}

int lastDayCell(const MonthGrid &grid) {
    for (int number = 10; number <= dayCellCount; ++number) {
        if (!grid.cell(number).date)
            return number - 1;
    }
    return dayCellCount;
}
