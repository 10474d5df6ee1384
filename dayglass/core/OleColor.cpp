#include "OleColor.h"

#include "AsciiText.h"

#include <charconv>
#include <cstdint>

std::optional<OleColor> oleColorFromText(std::string_view text) {
    text = trimmed(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    // Eight hexadecimal digits are the bits of a signed 32-bit integer, as is
    // the decimal form of a negative one.
    const bool fitsInteger =
        base == 16 ? value >= 0 && value <= 0xFFFFFFFF : value >= INT32_MIN && value <= INT32_MAX;
    if (!fitsInteger)
        return std::nullopt;
    const auto colour = static_cast<OleColor>(value);
    if (colour > 0xFFFFFF && !isSystemColour(colour))
        return std::nullopt;
    return colour;
}
