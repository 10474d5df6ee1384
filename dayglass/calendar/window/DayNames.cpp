#include "DayNames.h"

#include "NoteText.h"

#include <QCoreApplication>

using namespace std::chrono;

// The labels above the grid's columns hold one character each.
QString weekdayName(weekday day) {
    return QCoreApplication::translate("DayNames", "日月火水木金土").mid(day.c_encoding(), 1);
}

QString monthHeading(year_month month) {
    return QCoreApplication::translate("DayNames", "%1  /  %2")
        .arg(int(month.year()), 4, 10, QLatin1Char('0'))
        .arg(unsigned(month.month()), 2, 10, QLatin1Char('0'));
}

QString dayName(year_month_day date) {
    return QCoreApplication::translate("DayNames", "%1/%2/%3(%4)")
        .arg(int(date.year()), 4, 10, QLatin1Char('0'))
        .arg(unsigned(date.month()), 2, 10, QLatin1Char('0'))
        .arg(unsigned(date.day()), 2, 10, QLatin1Char('0'))
        .arg(weekdayName(weekday{local_days{date}}));
}

std::optional<QString> accessibleDayName(const DayCell &cell) {
    if (!cell.date)
        return std::nullopt;
    const year_month_day date = *cell.date;
    QString name = QCoreApplication::translate("DayNames", "%1年%2月%3日(%4)")
                       .arg(int(date.year()))
                       .arg(unsigned(date.month()))
                       .arg(unsigned(date.day()))
                       .arg(weekdayName(weekday{local_days{date}}));
    if (cell.holiday)
        name += QCoreApplication::translate("DayNames", "、%1")
                    .arg(QString::fromStdString(*cell.holiday));
    // A note made only of line breaks shows nothing, so it is no note to read.
    if (!NoteToText(cell.stored.note).empty())
        name += QCoreApplication::translate("DayNames", "、メモあり");
    return name;
}
