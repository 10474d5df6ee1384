#pragma once

#include <cstdint>

// The decoded pixels that one medium's pictures may take together. A picture
// file of a few kilobytes can claim thousands of pixels a side, and every
// decoded pixel takes four bytes; without a budget, forty such pictures take
// gigabytes.
class PixelBudget {
public:
    static constexpr std::uint64_t limitBytes = 256u << 20;
    static constexpr std::uint64_t bytesPerPixel = 4;

    // Takes room for a picture of `width` × `height` pixels and says whether
    // it fitted; a picture that does not fit takes nothing.
    bool take(std::int64_t width, std::int64_t height);

private:
    std::uint64_t m_usedBytes = 0;
};
