#include "PixelBudget.h"

bool PixelBudget::take(std::int64_t width, std::int64_t height) {
    if (width < 0 || height < 0)
        return false;
    // Sides beyond the budget alone are refused before they are multiplied, so
    // that no product can overflow.
    const auto limitPixels = static_cast<std::int64_t>(limitBytes / bytesPerPixel);
    if (width > limitPixels || height > limitPixels)
        return false;
    const auto bytes = static_cast<std::uint64_t>(width * height) * bytesPerPixel;
    if (bytes > limitBytes - m_usedBytes)
        return false;
    m_usedBytes += bytes;
    return true;
}
