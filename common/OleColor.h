#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A colour as the original platform stores it: blue * 65536 + green * 256 +
// red, red in the low byte.
using OleColor = std::uint32_t;

inline constexpr OleColor oleWhite = 0xFFFFFF;
inline constexpr OleColor oleRed = 0x0000FF;
inline constexpr OleColor oleBlack = 0;

constexpr OleColor oleColor(unsigned red, unsigned green, unsigned blue) {
    return (blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF);
}
constexpr unsigned redOf(OleColor colour) {
    return colour & 0xFF;
}
constexpr unsigned greenOf(OleColor colour) {
    return colour >> 8 & 0xFF;
}
constexpr unsigned blueOf(OleColor colour) {
    return colour >> 16 & 0xFF;
}

// Reads a colour written as decimal text or in the "&H" hexadecimal notation,
// blanks around it allowed. Nothing when the text is no integer or names no
// colour from black to white.
std::optional<OleColor> oleColorFromText(std::string_view text);
