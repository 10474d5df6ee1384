#include "DayNames.h"

#include "NoteText.h"

#include <QCoreApplication>
#include <array>

namespace {

QString withZeros(unsigned number, int digits) {
    return QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0'));
}

} // namespace

QString weekdayName(std::chrono::weekday day) {
    static const std::array<const char *, 7> names = {
        QT_TRANSLATE_NOOP("DayNames", "日"), QT_TRANSLATE_NOOP("DayNames", "月"),
        QT_TRANSLATE_NOOP("DayNames", "火"), QT_TRANSLATE_NOOP("DayNames", "水"),
        QT_TRANSLATE_NOOP("DayNames", "木"), QT_TRANSLATE_NOOP("DayNames", "金"),
        QT_TRANSLATE_NOOP("DayNames", "土")};
    return QCoreApplication::translate("DayNames", names.at(day.c_encoding()));
}

QString monthHeading(std::chrono::year_month month) {
    return QCoreApplication::translate("DayNames", "%1  /  %2")
        .arg(withZeros(static_cast<unsigned>(static_cast<int>(month.year())), 4),
             withZeros(static_cast<unsigned>(month.month()), 2));
}

QString dayName(std::chrono::year_month_day date) {
    return QCoreApplication::translate("DayNames", "%1/%2/%3(%4)")
        .arg(withZeros(static_cast<unsigned>(static_cast<int>(date.year())), 4),
             withZeros(static_cast<unsigned>(date.month()), 2),
             withZeros(static_cast<unsigned>(date.day()), 2),
             weekdayName(std::chrono::weekday{std::chrono::local_days{date}}));
}

std::optional<QString> accessibleDayName(const DayCell &cell) {
    if (!cell.date)
        return std::nullopt;
    const auto &date = *cell.date;
    QString name = QCoreApplication::translate("DayNames", "%1年%2月%3日(%4)")
                       .arg(int(date.year()))
                       .arg(unsigned(date.month()))
                       .arg(unsigned(date.day()))
                       .arg(weekdayName(std::chrono::weekday{std::chrono::local_days{date}}));
    // A note made only of line breaks shows nothing, so it is no note to read.
    if (!NoteToText(cell.stored.note).empty())
        name += QCoreApplication::translate("DayNames", "、メモあり");
    return name;
}
