#pragma once

#include "OleColor.h"

#include <optional>
#include <string>

// Where the bar stands inside its frame, in twips, for one percentage. The
// colour is set only for percentages from 0 up; a negative percentage (the
// overrun) leaves the colour to the caller.
struct BarPlacement {
    int top = 0;
    int height = 0;
    std::optional<OleColor> colour;

    bool operator==(const BarPlacement &) const = default;
};

// The bar's full height and the gap above it, in twips.
inline constexpr int barFullHeight = 3375;
inline constexpr int barTopMargin = 30;

// The placement for a percentage of at most 100: an overrun of 1 to 99 %
// shows as a bar of that height, one of 100 % or more as a full bar.
BarPlacement barPlacementFor(int percent);

// The colour that barPlacementFor gives for 0 to 100 %, from red (0) through
// yellow, green and cyan to blue (100), as "&H" text with the pairs in blue,
// green, red order. Empty text for any other percentage.
std::string BarColor(int percent);
