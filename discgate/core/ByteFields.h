#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Fields of Windows' file formats (icons, programs), least significant byte
// first. The caller has checked that the field lies within `data`.
inline std::uint32_t littleEndian(std::string_view data, std::size_t at, std::size_t bytes) {
    std::uint32_t value = 0;
    for (std::size_t byte = bytes; byte-- > 0;)
        value = value << 8 | static_cast<unsigned char>(data[at + byte]);
    return value;
}

inline void putLittleEndian32(std::string &data, std::size_t at, std::uint32_t value) {
    for (std::size_t byte = 0; byte < 4; ++byte)
        data[at + byte] = static_cast<char>(value >> (8 * byte));
}
