#pragma once

#include <cstdint>
#include <string>

// Picture files whose headers claim 60000 × 60000 pixels and that have
// nothing behind them: a reader that believed the header would ask for
// gigabytes.

inline const std::string hugeBmpHeader = std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0"
                                                     "\x60\xEA\0\0\x60\xEA\0\0\x01\0\x18\0",
                                                     30) +
                                         std::string(24, '\0');

// The signature and a header chunk with a correct checksum, so that the size
// is all there is to refuse.
inline const std::string hugePngHeader("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\xEA\x60\0\0\xEA\x60"
                                       "\x08\x02\0\0\0\x0F\xB0\xE2\x15",
                                       33);

inline const std::string hugeGifHeader("GIF89a\x60\xEA\x60\xEA\0\0\0"
                                       ",\0\0\0\0\x60\xEA\x60\xEA\0\x02\x02\x44\x01\0;",
                                       29);

inline const std::string hugeJpegHeader("\xFF\xD8\xFF\xC0\0\x11\x08\xEA\x60\xEA\x60\x03"
                                        "\x01\x22\0\x02\x11\x01\x03\x11\x01\xFF\xD9",
                                        23);

// A PNG file of 9000 × 9000 pixels (324 MB decoded), with a correct header
// checksum and pixel data that begins and is cut off: enough for a decoder to
// ask for the memory of the whole picture.
inline const std::string largePng =
    std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x23\x28\0\0\x23\x28\x08\x02\0\0\0"
                "\xE2\xB7\xE5\xED\0\0\0\x0CIDAT",
                41) +
    std::string(16, '\0');

// An ICO file whose one entry claims 1 × 1 pixels and holds `png`, whatever
// size that has.
inline std::string iconHolding(const std::string &png) {
    const auto size = static_cast<std::uint32_t>(png.size());
    std::string icon("\0\0\1\0\1\0\1\1\0\0\1\0\x20\0", 14);
    for (int shift = 0; shift < 32; shift += 8)
        icon += static_cast<char>(size >> shift);
    return icon + std::string("\x16\0\0\0", 4) + png;
}
