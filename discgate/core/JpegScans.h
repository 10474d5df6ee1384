#pragma once

#include "LoadError.h"
#include "PixelBudget.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// A progressive JPEG is decoded scan by scan, and each scan may touch every
// coefficient of its components again: 300 scans of 5600 × 5600 pixels fit in
// 200 KB and take eight seconds to decode, 10,000 smaller ones half a minute.
// Real pictures have about ten scans; more than this is refused whatever the
// picture's size.
inline constexpr std::size_t maximumJpegScans = 300;

// What decoding a JPEG will cost, read from its markers without decoding it.
struct JpegCost {
    std::size_t scans = 0;
    // The decoder's work in samples: for each scan, the samples of the
    // components it codes, and once more every sample for the final
    // transform and colour conversion. Each scan visits every block of its
    // components, and a refining scan every coefficient of its band, so the
    // time to decode grows with this figure and with nothing else; an
    // arithmetically coded picture counts several times, at its real cost.
    std::uint64_t work = 0;
    // The memory of the decoded picture, four bytes to the pixel.
    std::uint64_t pixelBytes = 0;
    // The memory that the decoder holds for the coefficients of the whole
    // picture while it decodes a picture of several scans; 0 for one scan.
    std::uint64_t coefficientBytes = 0;

    bool operator==(const JpegCost &) const = default;
};

// The cost of the JPEG in `data`. Segments are walked by their lengths and
// coded data is skipped to the next marker, so that bytes inside a segment
// (an embedded thumbnail) never count as scans. Damaged data counts what can
// be read of it; the decoder refuses the rest.
JpegCost jpegCost(std::string_view data);

// Why a JPEG of this cost is not decoded for a medium whose pictures have
// `budget` left: too many scans or too much work (PictureTooManyScans), or
// memory that the picture and its coefficients would take beyond what is left
// (PicturesOverBudget). When nothing comes back, its work has been taken.
std::optional<LoadProblem> takeJpegCost(const JpegCost &cost, PixelBudget &budget);
