#include "WindowPlacement.h"

#include "TwipsPerPixel.h"

#include <algorithm>
#include <cmath>

namespace {

// The arithmetic below keeps fractions, as Windows does.
constexpr double twipsInPixel = twipsPerPixel;

// Windows computes a centred edge in twips with fractions: half the screen
// less half the window. The window then lands on the pixel at or before it.
std::int32_t edgePixels(const ScreenEdge &edge, std::int32_t screenStart, std::int32_t screenExtent,
                        std::int32_t windowTwips) {
    if (edge.placement == Placement::AtPosition)
        return static_cast<std::int32_t>(edge.twips / twipsInPixel);
    const double twips = screenExtent * twipsInPixel / 2.0 - windowTwips / 2.0;
    return screenStart + static_cast<std::int32_t>(std::floor(twips / twipsInPixel));
}

std::int32_t sizePixels(std::int32_t twips) {
    return static_cast<std::int32_t>(std::max(0.0, twips / twipsInPixel));
}

} // namespace

PixelRect launcherWindowRect(const LauncherDescription &description, const PixelRect &screen) {
    return {edgePixels(description.left, screen.x, screen.width, description.widthTwips),
            edgePixels(description.top, screen.y, screen.height, description.heightTwips),
            sizePixels(description.widthTwips), sizePixels(description.heightTwips)};
}

PixelRect clientAreaRect(std::int32_t outerWidth, std::int32_t outerHeight) {
    constexpr std::int32_t frames = 2 * dialogFrameWidth;
    return {dialogFrameWidth, dialogFrameWidth, std::max(0, outerWidth - frames),
            std::max(0, outerHeight - frames)};
}
