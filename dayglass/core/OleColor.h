#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A colour in the OLE_COLOR layout, as Calendar.ini holds the colour of a
// day's cell: blue * 65536 + green * 256 + red, red in the low byte.
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

// The colours of the desktop's scheme as OLE_COLOR names them:
// &H80000000 and the number of the scheme's colour, from the scroll bars (0)
// through the window background (5) and the window text (8) to the tooltip
// background (&H18). Which colour each shows is the window layer's to say.
inline constexpr OleColor firstSystemColour = 0x80000000;
inline constexpr OleColor lastSystemColour = 0x80000018;

constexpr bool isSystemColour(OleColor colour) {
    return colour >= firstSystemColour && colour <= lastSystemColour;
}

// Reads a colour written as decimal text or in the "&H" hexadecimal notation,
// blanks around it allowed, as the platform converts text to a 32-bit integer:
// &H80000005 and its decimal form -2147483643 are the same system colour.
// Nothing when the text is no integer or names no colour from black to white
// and no system colour.
std::optional<OleColor> oleColorFromText(std::string_view text);
