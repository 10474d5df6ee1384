#include "PeriodWarningWatch.h"

void PeriodWarningWatch::periodLoaded(const std::optional<Period> &period, LocalSeconds now) {
    if (period == m_period)
        return;
    m_period = period;
    arm(now);
}

void PeriodWarningWatch::leadChosen(std::chrono::minutes lead, LocalSeconds now) {
    if (lead == m_lead)
        return;
    m_lead = lead;
    arm(now);
}

void PeriodWarningWatch::arm(LocalSeconds now) {
    m_armed = m_period && m_lead.count() > 0 && m_period->end - now > m_lead;
}

std::optional<LocalSeconds> PeriodWarningWatch::reachedWarning(const Countdown &countdown) {
    if (!m_armed)
        return std::nullopt;
    if (countdown.state != CountdownState::Running) {
        m_armed = false;
        return std::nullopt;
    }
    const std::chrono::seconds remaining{countdown.units.back()};
    if (remaining > m_lead)
        return std::nullopt;
    m_armed = false;
    return m_period->end;
}
