#include "BarPlacement.h"

namespace {

// The colour of the bar for 0 to 100 %, from red (0) through yellow, green and
// cyan to blue (100). In each quarter of the ramp one component moves between
// 0 and 255 over its 25 points, truncated after the subtraction.
OleColor BarColor(int percent) {
    const auto rising = [](int points) { return static_cast<unsigned>(points * 255 / 25); };
    const auto falling = [](int points) { return static_cast<unsigned>((25 - points) * 255 / 25); };
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
    else if (percent <= 100)
        placement.colour = BarColor(percent);
    // Both in double precision, truncated, as the bar was always drawn.
    placement.top = static_cast<int>((100.0 - percent) / 100.0 * barFullHeight + barTopMargin);
    placement.height = static_cast<int>(static_cast<double>(percent) * barFullHeight / 100.0);
    return placement;
}
