#pragma once

#include <cstdint>
#include <string_view>

// A GIF decoder follows every LZW code to the end of the data, and one code
// can stand for up to 4096 pixels, whether or not the frame has room for
// them: a picture of one pixel whose data repeats its longest code took ten
// seconds per megabyte. What the codes stand for is counted here, from the
// code lengths alone, without decoding a pixel.
struct GifWork {
    // The pixels that the codes of every frame stand for.
    std::uint64_t decodedPixels = 0;
    // The most by which one frame's codes stand for more than it holds.
    std::uint64_t largestExcess = 0;

    bool operator==(const GifWork &) const = default;
};

// The codes of a frame may overshoot it by at most one code's string.
inline constexpr std::uint64_t maximumGifExcess = 4096;

// The work of the GIF in `data`. Blocks are walked by their lengths; damaged
// data counts what can be read of it, and a code that the table does not hold
// counts as the longest string.
GifWork gifWork(std::string_view data);
