#pragma once

#include "Countdown.h"

#include <optional>

// Decides when the end of the period is news: once, at the first tick that
// finds ended a period that was still running when it was loaded. A period
// that had ended already when it was read, at start-up or after a save, is
// not news and raises nothing.
class PeriodEndWatch {
public:
    // Takes the period just read from Data.ini. The same period read again
    // (the period dialog closed without a change) keeps what the watch knew,
    // so that an end passed between the last tick and the reload is still
    // told, and one already told is not told again.
    void periodLoaded(const std::optional<Period> &period, LocalSeconds now);

    // The end of the period when this tick, which counts down from the period
    // loaded last, is the first to find it passed; nothing otherwise.
    std::optional<LocalSeconds> reachedEnd(const Countdown &countdown);

private:
    std::optional<Period> m_period;
    bool m_armed = false;
};
