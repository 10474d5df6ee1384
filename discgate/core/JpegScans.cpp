#include "JpegScans.h"

#include <array>

std::size_t jpegScanCount(std::istream &data, std::size_t limit) {
    constexpr char markerStart = '\xFF';
    constexpr char startOfScan = '\xDA';
    std::array<char, 64 * 1024> chunk{};
    std::size_t count = 0;
    char previous = 0;
    while (data) {
        data.read(chunk.data(), chunk.size());
        const auto read = static_cast<std::size_t>(data.gcount());
        for (std::size_t i = 0; i < read; ++i) {
            if (previous == markerStart && chunk[i] == startOfScan && ++count > limit)
                return count;
            previous = chunk[i];
        }
    }
    return count;
}
