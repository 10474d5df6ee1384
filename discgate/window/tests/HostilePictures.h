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

// The CRC-32 of PNG chunks, over the chunk's name and data.
inline std::uint32_t pngChunkCrc(const std::string &nameAndData) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char byte : nameAndData) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

inline std::string bigEndian32(std::uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

// `png` with `chunks` compressed text chunks (zTXt) after its header, each of
// `compressed` (a zlib stream), with correct checksums: a few kilobytes on
// the medium that a decoder inflates to whatever the stream holds.
inline std::string pngWithCompressedTexts(const std::string &png, const std::string &compressed,
                                          int chunks) {
    const std::string nameAndData = "zTXt" + std::string("Comment\0\0", 9) + compressed;
    const std::string chunk = bigEndian32(std::uint32_t(nameAndData.size() - 4)) + nameAndData +
                              bigEndian32(pngChunkCrc(nameAndData));
    constexpr std::size_t afterHeader = 8 + 25;
    std::string result = png.substr(0, afterHeader);
    for (int k = 0; k < chunks; ++k)
        result += chunk;
    return result + png.substr(afterHeader);
}

// A GIF of one pixel whose LZW data first builds the longest string its table
// holds (each code one longer than the last) and then repeats that code
// `repeats` times: every repeat stands for 4091 pixels that the frame has no
// room for.
inline std::string gifRepeatingLongestCode(int repeats) {
    std::string data;
    std::uint32_t bits = 0;
    int bitCount = 0;
    int width = 3;
    const auto put = [&](std::uint32_t code) {
        bits |= code << bitCount;
        for (bitCount += width; bitCount >= 8; bitCount -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    put(0);
    for (std::uint32_t next = 6; next < 4096; ++next) {
        put(next);
        if (next + 1 == (1u << width) && width < 12)
            ++width;
    }
    for (int repeat = 0; repeat < repeats; ++repeat)
        put(4095);
    put(5);
    if (bitCount > 0)
        data += char(bits & 0xFF);
    std::string gif("GIF89a\1\0\1\0\x80\0\0\0\0\0\xFF\xFF\xFF,\0\0\0\0\1\0\1\0\0\2", 30);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        gif += char(block.size()) + block;
    }
    return gif + std::string("\0;", 2);
}
