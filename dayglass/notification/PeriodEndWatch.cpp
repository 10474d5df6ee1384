#include "PeriodEndWatch.h"

#include "Countdown.h"

namespace {

// The page's own test of the state, so that the news comes at the tick that
// turns the page red.
bool running(const Period &period, LocalSeconds now) {
    return countDown(period, now).state == CountdownState::Running;
}

} // namespace

void PeriodEndWatch::periodLoaded(const std::optional<Period> &period, LocalSeconds now) {
    if (period == m_period)
        return;
    m_period = period;
    m_armed = period && running(*period, now);
}

std::optional<LocalSeconds> PeriodEndWatch::reachedEnd(LocalSeconds now) {
    if (!m_armed || running(*m_period, now))
        return std::nullopt;
    m_armed = false;
    return m_period->end;
}
