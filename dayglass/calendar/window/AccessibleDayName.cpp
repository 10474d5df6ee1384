#include "AccessibleDayName.h"

#include "DaySection.h"
#include "NoteText.h"

#include <QCoreApplication>

std::optional<QString> accessibleDayName(const DayCell &cell) {
    if (!cell.date)
        return std::nullopt;
    const auto &date = *cell.date;
    const std::string weekday = WeekdayMark(std::chrono::weekday{std::chrono::local_days{date}});
    QString name = QCoreApplication::translate("AccessibleDayName", "%1年%2月%3日%4")
                       .arg(int(date.year()))
                       .arg(unsigned(date.month()))
                       .arg(unsigned(date.day()))
                       .arg(QString::fromStdString(weekday));
    // A note made only of line breaks shows nothing, so it is no note to read.
    if (!NoteToText(cell.note).empty())
        name += QCoreApplication::translate("AccessibleDayName", "、メモあり");
    return name;
}
