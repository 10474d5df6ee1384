#pragma once

#include <cstdint>
#include <optional>

// What one medium's pictures may take together: memory for their decoded
// pixels, and the decoder's time. A picture file of a few kilobytes can claim
// thousands of pixels a side, and every decoded pixel takes four bytes;
// without a budget, forty such pictures take gigabytes. A progressive JPEG of
// as few kilobytes can take the decoder many seconds (see JpegCost.h).
class PixelBudget {
public:
    static constexpr std::uint64_t limitBytes = 256u << 20;
    static constexpr std::uint64_t bytesPerPixel = 4;
    // The decoding work of all JPEG and GIF pictures, in samples (see
    // JpegCost): on the machines we measured, the slowest pictures decode
    // about half a billion samples a second, so a medium's pictures keep the
    // window back for about two seconds at most.
    static constexpr std::uint64_t workLimit = std::uint64_t{1} << 30;
    // What one pixel that a GIF's codes stand for costs, in those samples:
    // GIF decoding runs at about half that rate.
    static constexpr std::uint64_t workPerGifPixel = 2;

    // Takes room for a picture of `width` × `height` pixels and says whether
    // it fitted; a picture that does not fit takes nothing.
    bool take(std::int64_t width, std::int64_t height);

    // Whether `bytes` more would fit, taking nothing.
    bool fits(std::uint64_t bytes) const { return bytes <= remainingBytes(); }

    // Whether a decoder may allocate a picture of `width` × `height` pixels
    // from what is left. Decoders count their limit in whole megabytes, so
    // nothing fits once less than one is left.
    bool fitsDecoder(std::int64_t width, std::int64_t height) const;

    // Takes `work` of decoding, in samples, and says whether it fitted.
    bool takeDecodingWork(std::uint64_t work);

private:
    std::uint64_t remainingBytes() const { return limitBytes - m_usedBytes; }

    // The memory of a picture of `width` × `height` pixels, or nothing when
    // it could not fit any budget.
    static std::optional<std::uint64_t> bytesOf(std::int64_t width, std::int64_t height);

    std::uint64_t m_usedBytes = 0;
    std::uint64_t m_usedWork = 0;
};
