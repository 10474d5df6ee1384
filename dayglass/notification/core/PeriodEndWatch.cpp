#include "PeriodEndWatch.h"

void PeriodEndWatch::periodLoaded(const std::optional<Period> &period, LocalSeconds now) {
    if (period == m_period)
        return;
    m_period = period;
    // The page's own test of the state, so that the news comes at the tick
    // that turns the page red.
    m_armed = period && countDown(period, now).state == CountdownState::Running;
}

std::optional<LocalSeconds> PeriodEndWatch::reachedEnd(const Countdown &countdown) {
    if (!m_armed || countdown.state == CountdownState::Running)
        return std::nullopt;
    m_armed = false;
    return m_period->end;
}
