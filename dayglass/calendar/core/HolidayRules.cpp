#include "HolidayRules.h"

using namespace std::chrono;

// The names are shown to the user, and the window translates them (in the
// context "HolidayNames"). The mark lets lupdate find them here, where the
// law's list is kept once; it is the name itself.
#define QT_TRANSLATE_NOOP(context, name) name

namespace {

constexpr year_month_day lawInForce = 1948y / July / 20;
// The amendment of 1973 gave a holiday that falls on a Sunday a rest day
// after it, that of 1985 the day between two holidays.
constexpr year_month_day substitutesFrom = 1973y / April / 12;
constexpr year_month_day citizensHolidaysFrom = 1985y / December / 27;
// The amendment of 2005, in force from 2007, moved the substitute past any
// holidays that follow the Sunday and let a citizens' holiday fall on any day.
constexpr year amendmentOf2007 = 2007y;

constexpr std::string_view restDay = QT_TRANSLATE_NOOP("HolidayNames", "休日");

enum class DayRule {
    Fixed,          // the same day every year
    Monday,         // the n-th Monday of the month
    VernalEquinox,  // the day of the March equinox
    AutumnalEquinox // the day of the September equinox
};

// A holiday of the law for the years from `first` to `last`.
struct YearlyHoliday {
    std::string_view name;
    int first;
    int last;
    month holidayMonth;
    DayRule rule;
    unsigned number = 0; // the day, or which Monday
};

constexpr int stillInForce = static_cast<int>(lastRuledHolidayYear);

// Every holiday the law gives by a rule. The Olympic years 2020 and 2021 moved
// three of them by laws of their own (see oneYearHolidays), and 2019 had no
// Emperor's Birthday: the Emperor born on 23 December abdicated on 30 April,
// and his successor's birthday, 23 February, came before his accession.
constexpr YearlyHoliday yearlyHolidays[] = {
    {QT_TRANSLATE_NOOP("HolidayNames", "元日"), 1948, stillInForce, January, DayRule::Fixed, 1},
    {QT_TRANSLATE_NOOP("HolidayNames", "成人の日"), 1948, 1999, January, DayRule::Fixed, 15},
    {QT_TRANSLATE_NOOP("HolidayNames", "成人の日"), 2000, stillInForce, January, DayRule::Monday,
     2},
    {QT_TRANSLATE_NOOP("HolidayNames", "建国記念の日"), 1967, stillInForce, February,
     DayRule::Fixed, 11},
    {QT_TRANSLATE_NOOP("HolidayNames", "天皇誕生日"), 2020, stillInForce, February, DayRule::Fixed,
     23},
    {QT_TRANSLATE_NOOP("HolidayNames", "春分の日"), 1948, stillInForce, March,
     DayRule::VernalEquinox},
    {QT_TRANSLATE_NOOP("HolidayNames", "天皇誕生日"), 1948, 1988, April, DayRule::Fixed, 29},
    {QT_TRANSLATE_NOOP("HolidayNames", "みどりの日"), 1989, 2006, April, DayRule::Fixed, 29},
    {QT_TRANSLATE_NOOP("HolidayNames", "昭和の日"), 2007, stillInForce, April, DayRule::Fixed, 29},
    {QT_TRANSLATE_NOOP("HolidayNames", "憲法記念日"), 1948, stillInForce, May, DayRule::Fixed, 3},
    {QT_TRANSLATE_NOOP("HolidayNames", "みどりの日"), 2007, stillInForce, May, DayRule::Fixed, 4},
    {QT_TRANSLATE_NOOP("HolidayNames", "こどもの日"), 1948, stillInForce, May, DayRule::Fixed, 5},
    {QT_TRANSLATE_NOOP("HolidayNames", "海の日"), 1996, 2002, July, DayRule::Fixed, 20},
    {QT_TRANSLATE_NOOP("HolidayNames", "海の日"), 2003, 2019, July, DayRule::Monday, 3},
    {QT_TRANSLATE_NOOP("HolidayNames", "海の日"), 2022, stillInForce, July, DayRule::Monday, 3},
    {QT_TRANSLATE_NOOP("HolidayNames", "山の日"), 2016, 2019, August, DayRule::Fixed, 11},
    {QT_TRANSLATE_NOOP("HolidayNames", "山の日"), 2022, stillInForce, August, DayRule::Fixed, 11},
    {QT_TRANSLATE_NOOP("HolidayNames", "敬老の日"), 1966, 2002, September, DayRule::Fixed, 15},
    {QT_TRANSLATE_NOOP("HolidayNames", "敬老の日"), 2003, stillInForce, September, DayRule::Monday,
     3},
    {QT_TRANSLATE_NOOP("HolidayNames", "秋分の日"), 1948, stillInForce, September,
     DayRule::AutumnalEquinox},
    {QT_TRANSLATE_NOOP("HolidayNames", "体育の日"), 1966, 1999, October, DayRule::Fixed, 10},
    {QT_TRANSLATE_NOOP("HolidayNames", "体育の日"), 2000, 2018, October, DayRule::Monday, 2},
    // The Cabinet Office's table gives the day of 2019 the name it was to
    // bear from 2020 beside its old one.
    {QT_TRANSLATE_NOOP("HolidayNames", "体育の日（スポーツの日）"), 2019, 2019, October,
     DayRule::Monday, 2},
    {QT_TRANSLATE_NOOP("HolidayNames", "スポーツの日"), 2022, stillInForce, October,
     DayRule::Monday, 2},
    {QT_TRANSLATE_NOOP("HolidayNames", "文化の日"), 1948, stillInForce, November, DayRule::Fixed,
     3},
    {QT_TRANSLATE_NOOP("HolidayNames", "勤労感謝の日"), 1948, stillInForce, November,
     DayRule::Fixed, 23},
    {QT_TRANSLATE_NOOP("HolidayNames", "天皇誕生日"), 1989, 2018, December, DayRule::Fixed, 23},
};

struct OneYearHoliday {
    year_month_day date;
    std::string_view name;
};

// Days that a law of their own made holidays: the imperial ceremonies and the
// holidays moved to the Olympic Games of Tokyo, held in 2021 after a year's
// delay. The two days of 2019 were to count as national holidays, which made
// the days between them and their neighbours citizens' holidays; the earlier
// ceremonies had no holiday beside them, so counting them so changes nothing.
constexpr OneYearHoliday oneYearHolidays[] = {
    {1959y / April / 10, QT_TRANSLATE_NOOP("HolidayNames", "結婚の儀")},
    {1989y / February / 24, QT_TRANSLATE_NOOP("HolidayNames", "大喪の礼")},
    {1990y / November / 12, QT_TRANSLATE_NOOP("HolidayNames", "即位礼正殿の儀")},
    {1993y / June / 9, QT_TRANSLATE_NOOP("HolidayNames", "結婚の儀")},
    {2019y / May / 1, QT_TRANSLATE_NOOP("HolidayNames", "休日（祝日扱い）")},
    {2019y / October / 22, QT_TRANSLATE_NOOP("HolidayNames", "休日（祝日扱い）")},
    {2020y / July / 23, QT_TRANSLATE_NOOP("HolidayNames", "海の日")},
    {2020y / July / 24, QT_TRANSLATE_NOOP("HolidayNames", "スポーツの日")},
    {2020y / August / 10, QT_TRANSLATE_NOOP("HolidayNames", "山の日")},
    {2021y / July / 22, QT_TRANSLATE_NOOP("HolidayNames", "海の日")},
    {2021y / July / 23, QT_TRANSLATE_NOOP("HolidayNames", "スポーツの日")},
    {2021y / August / 8, QT_TRANSLATE_NOOP("HolidayNames", "山の日")},
};

// The day of the month of an equinox in Japan's time, by the formula that the
// Cabinet's dates follow from 1900 to 2099: a mean day that moves on by
// 0.242194 days a year and back by one day in each leap year, here in
// millionths of a day so that no rounding of a double can move a day. Its
// count of leap years before 1980, (year - 1983) / 4, is cut towards zero, as
// C++ divides.
unsigned equinoxDay(int year, DayRule equinox) {
    const bool vernal = equinox == DayRule::VernalEquinox;
    const bool early = year < 1980;
    const long long meanDay =
        early ? (vernal ? 20'835'700 : 23'258'800) : (vernal ? 20'843'100 : 23'248'800);
    const int leapDays = early ? (year - 1983) / 4 : (year - 1980) / 4;
    const long long dayOfYear = meanDay + 242'194LL * (year - 1980);
    return static_cast<unsigned>(dayOfYear / 1'000'000 - leapDays);
}

bool falls(const YearlyHoliday &holiday, year_month_day date) {
    const int dateYear = static_cast<int>(date.year());
    if (date.month() != holiday.holidayMonth || dateYear < holiday.first || dateYear > holiday.last)
        return false;
    const unsigned dayOfMonth = static_cast<unsigned>(date.day());
    switch (holiday.rule) {
    case DayRule::Fixed:
        return dayOfMonth == holiday.number;
    case DayRule::Monday:
        return weekday{sys_days{date}} == Monday && (dayOfMonth - 1) / 7 + 1 == holiday.number;
    case DayRule::VernalEquinox:
    case DayRule::AutumnalEquinox:
        return dayOfMonth == equinoxDay(dateYear, holiday.rule);
    }
    return false;
}

// The national holiday (国民の祝日) on `date`, without the rest days that
// follow from the holidays around it.
std::optional<std::string_view> nationalHoliday(year_month_day date) {
    if (date < lawInForce)
        return std::nullopt;
    for (const OneYearHoliday &holiday : oneYearHolidays) {
        if (holiday.date == date)
            return holiday.name;
    }
    for (const YearlyHoliday &holiday : yearlyHolidays) {
        if (falls(holiday, date))
            return holiday.name;
    }
    return std::nullopt;
}

bool isNationalHoliday(sys_days day) {
    return nationalHoliday(year_month_day{day}).has_value();
}

// Whether `day`, no national holiday, is the rest day of a holiday that fell
// on a Sunday: until 2006 the day after it, since then the first day after it
// that is no holiday.
bool isSubstituteHoliday(sys_days day) {
    for (sys_days before = day - days{1}; isNationalHoliday(before); before -= days{1}) {
        if (weekday{before} != Sunday)
            continue;
        const year_month_day sunday{before};
        if (sunday < substitutesFrom)
            return false;
        return sunday.year() >= amendmentOf2007 || before == day - days{1};
    }
    return false;
}

// Whether `day`, no national holiday, lies between two. Until 2006 a Sunday
// stayed a Sunday, and a substitute holiday stayed that; both are rest days
// of the same name, so only the Sunday matters here.
bool isCitizensHoliday(sys_days day) {
    if (year_month_day{day} < citizensHolidaysFrom || !isNationalHoliday(day - days{1}) ||
        !isNationalHoliday(day + days{1}))
        return false;
    return year_month_day{day}.year() >= amendmentOf2007 || weekday{day} != Sunday;
}

} // namespace

std::optional<std::string_view> holidayByLaw(year_month_day date) {
    if (!date.ok() || date.year() > lastRuledHolidayYear)
        return std::nullopt;
    if (const auto name = nationalHoliday(date))
        return name;
    const sys_days day{date};
    if (isSubstituteHoliday(day) || isCitizensHoliday(day))
        return restDay;
    return std::nullopt;
}
