#pragma once

#include "LoadError.h"
#include "PixelBudget.h"
#include "Result.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The decoder's work on one block of one scan, in the samples of the work
// limit (2 ns each, see PixelBudget): a fixed part, and a part for each
// coefficient of the scan's band. Measured where the decoder works hardest,
// on noise, where every coefficient is coded: Huffman coding took 680 ns a
// block of the full band; arithmetic coding takes a binary decision for every
// bit of every coefficient, and its data can drive many decisions with one
// bit, so it took 10.8 µs. Menus made on Windows never hold arithmetically
// coded pictures: its picture loader cannot read them.
struct JpegBlockWork {
    std::uint64_t fixed = 0;
    std::uint64_t perCoefficient = 0;
};
inline constexpr JpegBlockWork huffmanBlockWork{13, 6};
inline constexpr JpegBlockWork arithmeticBlockWork{12, 85};

// What decoding a JPEG will cost, read from its markers without decoding it.
struct JpegCost {
    std::size_t scans = 0;
    // The decoder's work in samples: for each scan, the work on each block of
    // the components it codes (JpegBlockWork), and once more every sample for
    // the final transform and colour conversion. Each scan visits every block
    // of its components, and every coefficient of its band there, so the time
    // to decode grows with this figure and with nothing else.
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
// (PicturesOverBudget). When it may be decoded, its work has been taken.
Result<void, LoadProblem> takeJpegCost(const JpegCost &cost, PixelBudget &budget);
