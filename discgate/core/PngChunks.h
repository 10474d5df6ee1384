#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A PNG file may carry any number of ancillary chunks: texts, compressed
// texts, colour profiles. The decoder inflates every compressed one, so a
// picture of one pixel with 60 compressed texts of 462 KB took 2.4 GB and
// 11 s. Nothing of them shows in a menu but the transparency (tRNS).

// The PNG in `data` with the critical chunks (IHDR, PLTE, IDAT, IEND and any
// other whose name begins in capitals) and tRNS alone, in their order. Chunks
// are walked by their lengths; a chunk cut off at the end is kept as it is,
// for the decoder to refuse.
std::string withoutAncillaryChunks(std::string_view png);

// The icon or cursor in `data` (an ICO or CUR file) with every PNG in it
// stripped the same way, its directory pointing at the new places. An entry
// that points outside the file, or whose image would make the images
// together larger than the file (entries may share their bytes), becomes
// empty, for the decoder to refuse. Anything else comes back unchanged.
std::string iconWithoutAncillaryChunks(std::string_view data);

struct IconPictureSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    bool operator==(const IconPictureSize &) const = default;
};

// The size of the first picture of an icon or cursor, the one a decoder
// reads, as that picture's own header gives it: a PNG's IHDR, or the bitmap
// header, whose height counts the mask as well. The decoder allocates by it,
// whatever the icon's directory claims. Nothing when `data` is no icon or the
// header is cut off.
std::optional<IconPictureSize> firstIconPictureSize(std::string_view data);
