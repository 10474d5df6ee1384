#include "BarPlacement.h"

#include <cstdio>

namespace {

std::string hexPair(int value) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

// The moving component of a quarter of the ramp: rising from 0 to 255 over
// its 25 points, or falling from 255 to 0; truncated after the subtraction.
int rising(int pointsIntoQuarter) {
    return pointsIntoQuarter * 255 / 25;
}
int falling(int pointsIntoQuarter) {
    return (25 - pointsIntoQuarter) * 255 / 25;
}

} // namespace

BarPlacement barPlacementFor(int percent) {
    BarPlacement placement;
    if (percent >= -99 && percent <= -1)
        percent = -percent;
    else if (percent <= -100)
        percent = 100;
    else
        placement.colour = oleColorFromText(BarColor(percent));
    // Both in double precision, truncated, as the bar was always drawn.
    placement.top = static_cast<int>((100.0 - percent) / 100.0 * barFullHeight + barTopMargin);
    placement.height = static_cast<int>(static_cast<double>(percent) * barFullHeight / 100.0);
    return placement;
}

std::string BarColor(int percent) {
    if (percent < 0 || percent > 100)
        return {};
    if (percent <= 25)
        return "&H" + hexPair(rising(percent)) + "FF";
    if (percent <= 50)
        return "&HFF" + hexPair(falling(percent - 25));
    if (percent <= 75)
        return "&H" + hexPair(rising(percent - 50)) + "FF00";
    return "&HFF" + hexPair(falling(percent - 75)) + "00";
}
