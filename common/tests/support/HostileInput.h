#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

// Content for the hostile-file tests, the same at every run.

// `size` bytes of noise, every byte value alike, line breaks included.
inline std::string binaryGarbage(std::size_t size, std::uint32_t seed = 20051014) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; i += 4) {
        const std::uint32_t word = random();
        for (std::size_t b = 0; b < 4 && i + b < size; ++b)
            bytes[i + b] = static_cast<char>(word >> (8 * b));
    }
    return bytes;
}

// `piece` written `times` times over.
inline std::string repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// The bytes of a string literal, NULs inside it included.
template <std::size_t size> std::string bytesOf(const char (&literal)[size]) {
    return std::string(literal, size - 1);
}

inline constexpr std::size_t fiftyMegabytes = 50u << 20;
inline constexpr std::size_t oneMegabyte = 1u << 20;
