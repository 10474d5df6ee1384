#include "DayNames.h"

#include "NoteText.h"
#include "TranslatableText.h"

#include <QCoreApplication>
#include <array>

using namespace std::chrono;

namespace {

// Each weekday on its own, from Sunday, as the labels above the grid's
// columns name them and as a date names them, which in Japanese are the same
// character and in other languages may differ.
constexpr std::array<TranslatableText, 7> columnHeadings = {{
    QT_TRANSLATE_NOOP3("DayNames", "日", "column of Sundays"),
    QT_TRANSLATE_NOOP3("DayNames", "月", "column of Mondays"),
    QT_TRANSLATE_NOOP3("DayNames", "火", "column of Tuesdays"),
    QT_TRANSLATE_NOOP3("DayNames", "水", "column of Wednesdays"),
    QT_TRANSLATE_NOOP3("DayNames", "木", "column of Thursdays"),
    QT_TRANSLATE_NOOP3("DayNames", "金", "column of Fridays"),
    QT_TRANSLATE_NOOP3("DayNames", "土", "column of Saturdays"),
}};
constexpr std::array<TranslatableText, 7> weekdaysOfDates = {{
    QT_TRANSLATE_NOOP3("DayNames", "日", "Sunday in a date"),
    QT_TRANSLATE_NOOP3("DayNames", "月", "Monday in a date"),
    QT_TRANSLATE_NOOP3("DayNames", "火", "Tuesday in a date"),
    QT_TRANSLATE_NOOP3("DayNames", "水", "Wednesday in a date"),
    QT_TRANSLATE_NOOP3("DayNames", "木", "Thursday in a date"),
    QT_TRANSLATE_NOOP3("DayNames", "金", "Friday in a date"),
    QT_TRANSLATE_NOOP3("DayNames", "土", "Saturday in a date"),
}};

QString weekdayOfDate(year_month_day date) {
    return translated("DayNames", weekdaysOfDates[weekday{local_days{date}}.c_encoding()]);
}

} // namespace

QString holidayName(const std::string &name) {
    return QCoreApplication::translate("HolidayNames", name.c_str());
}

QString weekdayName(weekday day) {
    return translated("DayNames", columnHeadings[day.c_encoding()]);
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
        .arg(weekdayOfDate(date));
}

std::optional<QString> accessibleDayName(const DayCell &cell) {
    if (!cell.date)
        return std::nullopt;
    const year_month_day date = *cell.date;
    QString name = QCoreApplication::translate("DayNames", "%1年%2月%3日(%4)")
                       .arg(int(date.year()))
                       .arg(unsigned(date.month()))
                       .arg(unsigned(date.day()))
                       .arg(weekdayOfDate(date));
    if (cell.holiday)
        name += QCoreApplication::translate("DayNames", "、%1").arg(holidayName(*cell.holiday));
    // A note made only of line breaks shows nothing, so it is no note to read.
    if (!NoteToText(cell.stored.note).empty())
        name += QCoreApplication::translate("DayNames", "、メモあり");
    return name;
}
