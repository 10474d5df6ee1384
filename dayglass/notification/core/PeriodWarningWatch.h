#pragma once

#include "Countdown.h"

#include <array>
#include <chrono>
#include <optional>

// How long before the end the user may be warned: not at all (0), 5 or 15
// minutes, an hour or a day.
inline constexpr std::array<std::chrono::minutes, 5> warningLeads = {
    std::chrono::minutes{0}, std::chrono::minutes{5}, std::chrono::minutes{15},
    std::chrono::hours{1}, std::chrono::days{1}};

// Decides when the warning before the end is due: once per period and lead,
// at the first tick that finds the running period's end no further away than
// the lead. A period that is already that close when it is read (at start-up
// or after a save), or when the lead is chosen, is not warned of; nor is one
// that a tick finds ended, whose end is told instead.
class PeriodWarningWatch {
public:
    // Takes the period just read from Data.ini; the same period read again
    // keeps what the watch knew, as the end's watch does.
    void periodLoaded(const std::optional<Period> &period, LocalSeconds now);

    // Takes the lead the user chose, or the one read at start-up.
    void leadChosen(std::chrono::minutes lead, LocalSeconds now);

    // The end of the period when this tick is the first to find the warning
    // due; nothing otherwise.
    std::optional<LocalSeconds> reachedWarning(const Countdown &countdown);

    std::chrono::minutes lead() const { return m_lead; }

private:
    void arm(LocalSeconds now);

    std::optional<Period> m_period;
    std::chrono::minutes m_lead{0};
    bool m_armed = false;
};
