#include "PixelBudget.h"

std::optional<std::uint64_t> PixelBudget::bytesOf(std::int64_t width, std::int64_t height) {
    if (width < 0 || height < 0)
        return std::nullopt;
    // Sides beyond the budget alone are refused before they are multiplied, so
    // that no product can overflow.
    const auto limitPixels = static_cast<std::int64_t>(limitBytes / bytesPerPixel);
    if (width > limitPixels || height > limitPixels)
        return std::nullopt;
    return static_cast<std::uint64_t>(width * height) * bytesPerPixel;
}

bool PixelBudget::fitsDecoder(std::int64_t width, std::int64_t height) const {
    const std::uint64_t wholeMegabytes = remainingBytes() >> 20 << 20;
    const auto bytes = bytesOf(width, height);
    return wholeMegabytes > 0 && bytes && *bytes <= wholeMegabytes;
}

bool PixelBudget::take(std::int64_t width, std::int64_t height) {
    const auto bytes = bytesOf(width, height);
    if (!bytes || !fits(*bytes))
        return false;
    m_usedBytes += *bytes;
    return true;
}

bool PixelBudget::takeDecodingWork(std::uint64_t work) {
    if (work > workLimit - m_usedWork)
        return false;
    m_usedWork += work;
    return true;
}
