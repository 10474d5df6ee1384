#include "BarPlacement.h"

#include <cstdio>

namespace {

// The bar's colour for 0 to 100 %. In each quarter of the ramp one component
// moves over the quarter's 25 points, rising from 0 to 255 or falling from 255
// to 0, truncated after the subtraction.
OleColor rampColour(int percent) {
    const auto rising = [](int points) { return points * 255 / 25; };
    const auto falling = [](int points) { return (25 - points) * 255 / 25; };
    if (percent <= 25)
        return oleColor(255, rising(percent), 0);
    if (percent <= 50)
        return oleColor(falling(percent - 25), 255, 0);
    if (percent <= 75)
        return oleColor(0, 255, rising(percent - 50));
    return oleColor(0, falling(percent - 75), 255);
}

} // namespace

BarPlacement barPlacementFor(int percent) {
    BarPlacement placement;
    if (percent >= -99 && percent <= -1)
        percent = -percent;
    else if (percent <= -100)
        percent = 100;
    else
        placement.colour = rampColour(percent);
    // Both in double precision, each truncated on its own.
    placement.top = static_cast<int>((100.0 - percent) / 100.0 * barFullHeight + barTopMargin);
    placement.height = static_cast<int>(static_cast<double>(percent) * barFullHeight / 100.0);
    return placement;
}

std::string BarColor(int percent) {
    if (percent < 0 || percent > 100)
        return {};
    // The blue pair is left out while blue is 0: "&H0AFF" at 1 %, "&H0AFF00" at 51 %.
    const OleColor colour = rampColour(percent);
    char text[sizeof "&HFFFFFFFF"];
    std::snprintf(text, sizeof text, "&H%0*X", blueOf(colour) == 0 ? 4 : 6, colour);
    return text;
}
