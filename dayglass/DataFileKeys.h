#pragma once

#include <array>

// Where Data.ini keeps what dayglass remembers between runs.
inline constexpr char dataFileName[] = "Data.ini";

// The period: a section for each end, with six keys in the order of the
// period dialog's fields.
inline constexpr char periodStartSection[] = "Start";
inline constexpr char periodEndSection[] = "End";
inline constexpr std::array<const char *, 6> periodFieldKeys = {"Year", "Month",  "Day",
                                                                "Hour", "Minute", "Second"};

// The page shown last, stored as a blank and its number.
inline constexpr char shownPageSection[] = "EntSS";
inline constexpr char shownPageKey[] = "Inf";
