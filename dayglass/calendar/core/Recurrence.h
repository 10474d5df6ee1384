#pragma once

#include "WorkBudget.h"

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

// The repetition of an event or of a time zone's change (RRULE, RFC 5545),
// worked out here in wall-clock time. libical's own iterator runs loops that
// no budget reaches: a rule that never matches, such as every second of
// 30 February, kept it busy for minutes.

enum class Frequency { Secondly, Minutely, Hourly, Daily, Weekly, Monthly, Yearly };

struct RecurrenceRule {
    // A weekday, alone or as the nth of its month or year (negative from the end).
    struct Weekday {
        std::chrono::weekday day;
        int position = 0;

        bool operator==(const Weekday &) const = default;
    };

    Frequency frequency = Frequency::Daily;
    int interval = 1;
    std::optional<long long> count{};
    // The last moment that may start an occurrence, in the start's wall time.
    std::optional<std::chrono::local_seconds> until{};
    std::vector<int> months{}, monthDays{}, yearDays{}, weekNumbers{};
    std::vector<Weekday> weekdays{};
    std::vector<int> hours{}, minutes{}, seconds{};
    std::vector<int> setPositions{};
    std::chrono::weekday weekStart = std::chrono::Monday;

    bool operator==(const RecurrenceRule &) const = default;
};

// Gives `occurrence` each start of `rule` repeated from `start` that lies in
// [from, before), in order, until it answers false. Without a count the work begins at the period
// of `from`, so that a rule since 1601 costs only the years asked about. Every period, day and
// occurrence looked at spends a step; false when the budget ran out first.
bool expandRecurrence(const RecurrenceRule &rule, std::chrono::local_seconds start,
                      std::chrono::local_seconds from, std::chrono::local_seconds before,
                      WorkBudget &budget,
                      const std::function<bool(std::chrono::local_seconds)> &occurrence);
