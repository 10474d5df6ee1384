#include "BarPlacement.h"

#include <cstdio>

namespace {

// The moving component of a quarter of the ramp: rising from 0 to 255 over
// its 25 points, or falling from 255 to 0; truncated after the subtraction.
unsigned rising(int pointsIntoQuarter) {
    return static_cast<unsigned>(pointsIntoQuarter * 255 / 25);
}
unsigned falling(int pointsIntoQuarter) {
    return static_cast<unsigned>((25 - pointsIntoQuarter) * 255 / 25);
}

// The bar's colour for 0 to 100 %: in each quarter of the ramp one component
// moves while the other two stay.
OleColor rampColour(int percent) {
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
    // Both in double precision, each truncated on its own: 33 % gives a top
    // of 2291 and a height of 1113, which end one twip above the bar's lower
    // edge at 3405.
    placement.top = static_cast<int>((100.0 - percent) / 100.0 * barFullHeight + barTopMargin);
    placement.height = static_cast<int>(static_cast<double>(percent) * barFullHeight / 100.0);
    return placement;
}

std::string BarColor(int percent) {
    if (percent < 0 || percent > 100)
        return {};
    // The text leaves out the blue pair while blue is 0, as "&H0AFF" for 1 %,
    // and writes all three pairs from 51 % on, as "&H0AFF00".
    const OleColor colour = rampColour(percent);
    // Room for every value of the type, so that the text is never cut.
    char text[11];
    std::snprintf(text, sizeof text, "&H%0*X", blueOf(colour) == 0 ? 4 : 6, colour);
    return text;
}
