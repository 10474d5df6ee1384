#pragma once

#include <array>
#include <cstdint>

// Where Data.ini keeps what dayglass remembers between runs.
inline constexpr char dataFileName[] = "Data.ini";

// Data.ini holds a dozen short keys, a few hundred bytes. One far larger than
// any that dayglass writes comes from someone else; it is read as missing and
// never written, so that the focus step, which reads the file at every tick,
// costs no more than a look at its size.
inline constexpr std::uintmax_t dataFileSizeLimit = 64 * 1024;

// The period: a section for each end, with six keys in the order of the
// period dialog's fields.
inline constexpr char periodStartSection[] = "Start";
inline constexpr char periodEndSection[] = "End";
inline constexpr std::array<const char *, 6> periodFieldKeys = {"Year", "Month",  "Day",
                                                                "Hour", "Minute", "Second"};

// The page shown last, stored as a blank and its number.
inline constexpr char shownPageSection[] = "EntSS";
inline constexpr char shownPageKey[] = "Inf";
