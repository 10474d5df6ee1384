#include "Recurrence.h"

#include <algorithm>
#include <bitset>
#include <span>

using namespace std::chrono;

namespace {

// The last year that any expansion reaches; iCalendar has four-digit years.
constexpr int lastYear = 9999;

// The values of one part of a rule, each found in one step.
template <int Lowest, int Highest> class ValueSet {
public:
    explicit ValueSet(const std::vector<int> &values) : m_given(!values.empty()) {
        for (const int value : values) {
            if (value >= Lowest && value <= Highest)
                m_values.set(static_cast<std::size_t>(value - Lowest));
        }
    }

    bool given() const { return m_given; }

    bool holds(int value) const {
        return value >= Lowest && value <= Highest &&
               m_values.test(static_cast<std::size_t>(value - Lowest));
    }

    // Holds the place `fromStart` (1 on) of `length`, or the same place
    // counted from the end (-1 back).
    bool holdsPlace(int fromStart, int length) const {
        return holds(fromStart) || holds(fromStart - length - 1);
    }

private:
    std::bitset<Highest - Lowest + 1> m_values;
    bool m_given;
};

long long floorDivide(long long value, long long divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

int yearLength(year y) {
    return y.is_leap() ? 366 : 365;
}

int monthLength(year_month month) {
    return static_cast<int>(static_cast<unsigned>((month / last).day()));
}

long long monthIndex(year_month_day date) {
    return static_cast<int>(date.year()) * 12LL + static_cast<unsigned>(date.month()) - 1;
}

// Week 1 of a year is the first with four of its days in the year, so the
// one that holds 4 January.
local_days firstWeekOf(year y, weekday weekStart) {
    const local_days fourth{y / January / 4};
    return fourth - (weekday{fourth} - weekStart);
}

// One rule from one start, with the defaults RFC 5545 takes from the start.
class Expansion {
public:
    Expansion(const RecurrenceRule &rule, local_seconds start, local_seconds from,
              local_seconds before, WorkBudget &budget,
              const std::function<bool(local_seconds)> &occurrence)
        : m_rule(rule), m_start(start), m_from(std::max(from, start)), m_before(before),
          m_budget(budget), m_occurrence(occurrence), m_startDay(floor<days>(start)),
          m_startDate(m_startDay), m_firstWeek(m_startDay - (weekday{m_startDay} - rule.weekStart)),
          m_interval(std::max(1, rule.interval)), m_months(rule.months),
          m_monthDayList(withDefaultMonthDay(rule)), m_monthDays(m_monthDayList),
          m_yearDays(rule.yearDays), m_weekNumbers(rule.weekNumbers), m_hours(rule.hours),
          m_minutes(rule.minutes), m_seconds(rule.seconds) {
        if (rule.frequency == Frequency::Yearly && !dayPartGiven(rule) && !m_months.given())
            m_months = ValueSet<1, 12>({static_cast<int>(unsigned{m_startDate.month()})});
        m_weekdays = rule.weekdays;
        if (rule.frequency == Frequency::Weekly && !dayPartGiven(rule))
            m_weekdays = {{weekday{m_startDay}}};
    }

    // False when the budget ran out.
    bool run() {
        if (!collectTimes())
            return false;
        return m_rule.frequency < Frequency::Daily ? runByTimes() : runByDays();
    }

private:
    static bool dayPartGiven(const RecurrenceRule &rule) {
        return !rule.weekdays.empty() || !rule.monthDays.empty() || !rule.yearDays.empty() ||
               !rule.weekNumbers.empty();
    }

    std::vector<int> withDefaultMonthDay(const RecurrenceRule &rule) const {
        const bool byDate =
            rule.frequency == Frequency::Yearly || rule.frequency == Frequency::Monthly;
        if (byDate && !dayPartGiven(rule))
            return {static_cast<int>(unsigned{m_startDate.day()})};
        return rule.monthDays;
    }

    // The times of a period after its start: of the day for daily and
    // longer periods, of the hour or minute for hourly and minutely ones.
    bool collectTimes() {
        const hh_mm_ss<seconds> time{m_start - local_seconds{m_startDay}};
        const auto orStart = [](const std::vector<int> &values, long value, int highest) {
            std::vector<int> chosen;
            for (const int given : values.empty() ? std::vector<int>{int(value)} : values) {
                if (given >= 0 && given <= highest)
                    chosen.push_back(given);
            }
            return chosen;
        };
        const Frequency frequency = m_rule.frequency;
        const std::vector<int> hours = frequency >= Frequency::Daily
                                           ? orStart(m_rule.hours, time.hours().count(), 23)
                                           : std::vector<int>{0};
        const std::vector<int> minutes = frequency >= Frequency::Hourly
                                             ? orStart(m_rule.minutes, time.minutes().count(), 59)
                                             : std::vector<int>{0};
        const std::vector<int> secondsList =
            frequency >= Frequency::Minutely ? orStart(m_rule.seconds, time.seconds().count(), 59)
                                             : std::vector<int>{0};
        if (!m_budget.spend(hours.size() * minutes.size() * secondsList.size()))
            return false;
        for (const int hour : hours) {
            for (const int minute : minutes) {
                for (const int second : secondsList)
                    m_times.push_back(std::chrono::hours{hour} + std::chrono::minutes{minute} +
                                      std::chrono::seconds{second});
            }
        }
        std::sort(m_times.begin(), m_times.end());
        m_times.erase(std::unique(m_times.begin(), m_times.end()), m_times.end());
        return true;
    }

    bool weekdayMatches(local_days day, year_month_day date) const {
        const weekday dayOfWeek{day};
        const Frequency frequency = m_rule.frequency;
        const bool byPlace = frequency == Frequency::Monthly || frequency == Frequency::Yearly;
        const bool inMonth = frequency == Frequency::Monthly || m_months.given();
        for (const RecurrenceRule::Weekday &wanted : m_weekdays) {
            if (wanted.day != dayOfWeek)
                continue;
            if (wanted.position == 0 || !byPlace)
                return true;
            const int place = inMonth ? static_cast<int>(unsigned{date.day()})
                                      : (day - local_days{date.year() / January / 1}).count() + 1;
            const int length =
                inMonth ? monthLength(date.year() / date.month()) : yearLength(date.year());
            const int week = (place - 1) / 7 + 1;
            const int weekFromEnd = -((length - place) / 7 + 1);
            if (wanted.position == week || wanted.position == weekFromEnd)
                return true;
        }
        return false;
    }

    bool weekNumberMatches(local_days day, year_month_day date) const {
        year weekYear = date.year();
        if (day < firstWeekOf(weekYear, m_rule.weekStart))
            --weekYear;
        else if (day >= firstWeekOf(weekYear + years{1}, m_rule.weekStart))
            ++weekYear;
        const local_days first = firstWeekOf(weekYear, m_rule.weekStart);
        const int weeks = static_cast<int>(
            (firstWeekOf(weekYear + years{1}, m_rule.weekStart) - first).count() / 7);
        return m_weekNumbers.holdsPlace(static_cast<int>((day - first).count() / 7) + 1, weeks);
    }

    bool accepts(local_days day) const {
        const year_month_day date{day};
        if (m_months.given() && !m_months.holds(static_cast<int>(unsigned{date.month()})))
            return false;
        if (m_monthDays.given() && !m_monthDays.holdsPlace(static_cast<int>(unsigned{date.day()}),
                                                           monthLength(date.year() / date.month())))
            return false;
        if (m_yearDays.given() &&
            !m_yearDays.holdsPlace((day - local_days{date.year() / January / 1}).count() + 1,
                                   yearLength(date.year())))
            return false;
        if (m_weekNumbers.given() && m_rule.frequency == Frequency::Yearly &&
            !weekNumberMatches(day, date))
            return false;
        return m_weekdays.empty() || weekdayMatches(day, date);
    }

    // False once the expansion is over: past its end, its count or `before`.
    bool offer(local_seconds time) {
        if ((m_rule.until && time > *m_rule.until) || time >= m_before)
            return false;
        if (time < m_start)
            return true;
        ++m_emitted;
        if (time >= m_from && !m_occurrence(time))
            return false;
        return !m_rule.count || m_emitted < *m_rule.count;
    }

    bool isOver(local_seconds periodStart) const {
        return periodStart >= m_before || (m_rule.until && periodStart > *m_rule.until);
    }

    // Offers the candidates of one period, each of `chosenDays` at each time,
    // or those at the places BYSETPOS names, found by their place alone.
    // Sets m_over at the end.
    bool offerPeriod(std::span<const local_days> chosenDays, local_seconds periodStart) {
        const bool dayPeriod = m_rule.frequency >= Frequency::Daily;
        const std::size_t count = chosenDays.size() * m_times.size();
        const auto candidate = [&](std::size_t place) {
            return (dayPeriod ? local_seconds{chosenDays[place / m_times.size()]} : periodStart) +
                   m_times[place % m_times.size()];
        };
        std::vector<std::size_t> places;
        if (m_rule.setPositions.empty()) {
            for (std::size_t place = 0; place < count; ++place) {
                if (!m_budget.spend())
                    return false;
                if (!offer(candidate(place))) {
                    m_over = true;
                    return true;
                }
            }
            return true;
        }
        if (!m_budget.spend(m_rule.setPositions.size()))
            return false;
        const auto size = static_cast<long long>(count);
        for (const int position : m_rule.setPositions) {
            const long long place = position > 0 ? position - 1LL : size + position;
            if (place >= 0 && place < size)
                places.push_back(static_cast<std::size_t>(place));
        }
        std::sort(places.begin(), places.end());
        places.erase(std::unique(places.begin(), places.end()), places.end());
        for (const std::size_t place : places) {
            if (!offer(candidate(place))) {
                m_over = true;
                break;
            }
        }
        return true;
    }

    // The first period to look at: the first of all when occurrences are to
    // be counted, else the one that holds `from`.
    long long firstPeriod(long long periodsToFrom) const {
        return m_rule.count ? 0 : std::max(0LL, floorDivide(periodsToFrom, m_interval));
    }

    // The days of the period `step` periods after the start's: a year or a
    // month with its months, a week or a day without.
    struct Period {
        local_days first;
        local_days last;
        std::vector<year_month> months;
    };

    std::optional<Period> periodAt(long long step) const {
        Period period;
        if (m_rule.frequency == Frequency::Yearly) {
            const long long number = static_cast<int>(m_startDate.year()) + step;
            if (number > lastYear)
                return std::nullopt;
            for (unsigned month = 1; month <= 12; ++month)
                period.months.push_back(year{static_cast<int>(number)} / std::chrono::month{month});
        } else if (m_rule.frequency == Frequency::Monthly) {
            const long long index = monthIndex(m_startDate) + step;
            if (index / 12 > lastYear)
                return std::nullopt;
            period.months.push_back(year{static_cast<int>(index / 12)} /
                                    std::chrono::month{static_cast<unsigned>(index % 12 + 1)});
        }
        if (!period.months.empty()) {
            period.first = local_days{period.months.front() / 1};
            period.last = local_days{period.months.back() / last};
            return period;
        }
        period.first = (m_rule.frequency == Frequency::Weekly ? m_firstWeek : m_startDay) +
                       days{m_rule.frequency == Frequency::Weekly ? 7 * step : step};
        period.last = period.first + days{m_rule.frequency == Frequency::Weekly ? 6 : 0};
        if (static_cast<int>(year_month_day{period.last}.year()) > lastYear)
            return std::nullopt;
        return period;
    }

    // How many periods lie between the start's and the one that holds `from`.
    long long periodsToFrom() const {
        const year_month_day from{floor<days>(m_from)};
        switch (m_rule.frequency) {
        case Frequency::Yearly:
            return static_cast<int>(from.year()) - static_cast<int>(m_startDate.year());
        case Frequency::Monthly:
            return monthIndex(from) - monthIndex(m_startDate);
        case Frequency::Weekly:
            return floorDivide((local_days{from} - m_firstWeek).count(), 7);
        default:
            return (local_days{from} - m_startDay).count();
        }
    }

    bool runByDays() {
        std::vector<local_days> chosen;
        for (long long period = firstPeriod(periodsToFrom());; ++period) {
            if (!m_budget.spend())
                return false;
            const std::optional<Period> range = periodAt(period * m_interval);
            if (!range || isOver(local_seconds{range->first}))
                return true;
            chosen.clear();
            if (range->months.empty() && !collectDays(range->first, range->last, chosen))
                return false;
            for (const year_month &month : range->months) {
                if (m_months.given() && !m_months.holds(static_cast<int>(unsigned{month.month()})))
                    continue;
                if (!(byMonthDaysAlone()
                          ? collectMonthDays(month, chosen)
                          : collectDays(local_days{month / 1}, local_days{month / last}, chosen)))
                    return false;
            }
            if (!offerPeriod(chosen, local_seconds{range->first}))
                return false;
            if (m_over)
                return true;
        }
    }

    // Whether the days of a month are its days of BYMONTHDAY alone, as a
    // monthly or yearly rule by date has them.
    bool byMonthDaysAlone() const {
        return m_weekdays.empty() && !m_yearDays.given() && m_monthDays.given() &&
               !(m_weekNumbers.given() && m_rule.frequency == Frequency::Yearly);
    }

    bool collectMonthDays(year_month month, std::vector<local_days> &chosen) {
        if (!m_budget.spend(m_monthDayList.size()))
            return false;
        const int length = monthLength(month);
        const std::size_t first = chosen.size();
        for (const int given : m_monthDayList) {
            const int day = given > 0 ? given : length + given + 1;
            if (day >= 1 && day <= length)
                chosen.push_back(local_days{month / std::chrono::day{static_cast<unsigned>(day)}});
        }
        std::sort(chosen.begin() + static_cast<std::ptrdiff_t>(first), chosen.end());
        chosen.erase(std::unique(chosen.begin() + static_cast<std::ptrdiff_t>(first), chosen.end()),
                     chosen.end());
        return true;
    }

    bool collectDays(local_days first, local_days last, std::vector<local_days> &chosen) {
        for (local_days day = first; day <= last; day += days{1}) {
            if (!m_budget.spend())
                return false;
            if (accepts(day))
                chosen.push_back(day);
        }
        return true;
    }

    bool runByTimes() {
        const seconds unit = m_rule.frequency == Frequency::Hourly     ? seconds{hours{1}}
                             : m_rule.frequency == Frequency::Minutely ? seconds{minutes{1}}
                                                                       : seconds{1};
        const long long step = unit.count() * m_interval;
        const local_seconds base{
            seconds{floorDivide(m_start.time_since_epoch().count(), unit.count()) * unit.count()}};
        const bool minuteLimits = m_rule.frequency <= Frequency::Minutely;
        const bool secondLimits = m_rule.frequency == Frequency::Secondly;
        long long period =
            m_rule.count ? 0 : std::max(0LL, floorDivide((m_from - base).count(), step));
        // Whether the day of the last period passes, which its every second shares.
        std::pair<local_days, bool> acceptedDay{local_days::min(), false};
        while (true) {
            const local_seconds periodStart = base + seconds{period * step};
            if (isOver(periodStart))
                return true;
            if (!m_budget.spend())
                return false;
            const local_days day = floor<days>(periodStart);
            const hh_mm_ss<seconds> time{periodStart - local_seconds{day}};
            if (day != acceptedDay.first)
                acceptedDay = {day, accepts(day)};
            // Where the next period may pass again, when this one does not.
            std::optional<local_seconds> next;
            if (!acceptedDay.second)
                next = local_seconds{day + days{1}};
            else if (m_hours.given() && !m_hours.holds(static_cast<int>(time.hours().count())))
                next = floor<hours>(periodStart) + hours{1};
            else if (minuteLimits && m_minutes.given() &&
                     !m_minutes.holds(static_cast<int>(time.minutes().count())))
                next = floor<minutes>(periodStart) + minutes{1};
            else if (secondLimits && m_seconds.given() &&
                     !m_seconds.holds(static_cast<int>(time.seconds().count())))
                next = periodStart + seconds{1};
            if (!next) {
                if (!offerPeriod(std::span(&day, 1), periodStart))
                    return false;
                if (m_over)
                    return true;
                ++period;
                continue;
            }
            const long long toNext = (*next - base).count();
            period = std::max(period + 1, floorDivide(toNext + step - 1, step));
        }
    }

    const RecurrenceRule &m_rule;
    const local_seconds m_start;
    const local_seconds m_from;
    const local_seconds m_before;
    WorkBudget &m_budget;
    const std::function<bool(local_seconds)> &m_occurrence;
    const local_days m_startDay;
    const year_month_day m_startDate;
    const local_days m_firstWeek;
    const int m_interval;
    ValueSet<1, 12> m_months;
    const std::vector<int> m_monthDayList;
    ValueSet<-31, 31> m_monthDays;
    ValueSet<-366, 366> m_yearDays;
    ValueSet<-53, 53> m_weekNumbers;
    ValueSet<0, 23> m_hours;
    ValueSet<0, 59> m_minutes;
    ValueSet<0, 59> m_seconds;
    std::vector<RecurrenceRule::Weekday> m_weekdays;
    std::vector<seconds> m_times;
    long long m_emitted = 0;
    bool m_over = false;
};

} // namespace

bool expandRecurrence(const RecurrenceRule &rule, local_seconds start, local_seconds from,
                      local_seconds before, WorkBudget &budget,
                      const std::function<bool(local_seconds)> &occurrence) {
    return Expansion(rule, start, from, before, budget, occurrence).run();
}
