#pragma once

#include <cstddef>
#include <stop_token>

// The work one import may do, in steps: a period of a recurrence looked at,
// a day checked against a rule, an occurrence, a time zone's change, a date
// of a list. Every loop over what a file describes spends from it, so that a
// file ends within its budget whatever it holds; a stop requested from
// outside ends the work as an empty budget does.
class WorkBudget {
public:
    explicit WorkBudget(std::size_t steps, std::stop_token stop = {})
        : m_left(steps), m_stop(std::move(stop)) {}

    // False, now and from then on, once the budget is spent or a stop was asked.
    bool spend(std::size_t steps = 1) {
        if (m_left < steps || m_stop.stop_requested()) {
            m_left = 0;
            return false;
        }
        m_left -= steps;
        m_spent += steps;
        return true;
    }

    bool exhausted() const { return m_left == 0; }
    bool stopped() const { return m_stop.stop_requested(); }
    std::size_t spent() const { return m_spent; }

private:
    std::size_t m_left;
    std::size_t m_spent = 0;
    std::stop_token m_stop;
};
