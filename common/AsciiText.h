#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// Rules for the ASCII parts of texts that the programs read from their files
// and fields. They work byte by byte: text in CP932, whose second bytes may
// fall on ASCII letters, is to be handed over one character at a time.

// The text without the spaces and tabs around it, the blanks that surround
// names and values.
inline std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == text.npos)
        return text.substr(text.size());
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// ASCII text reads the same in every encoding of our files.
inline bool isAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

inline bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The letter in lower case when it is an ASCII capital; any other byte as it is.
inline char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The value of a hexadecimal digit of either case; -1 for any other byte.
inline int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = asciiLower(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

inline std::string asciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char &c : lowered)
        c = asciiLower(c);
    return lowered;
}

inline bool startsWithIgnoringCase(std::string_view text, std::string_view lowerCasePrefix) {
    return text.size() >= lowerCasePrefix.size() &&
           std::ranges::equal(text.substr(0, lowerCasePrefix.size()), lowerCasePrefix,
                              [](char a, char b) { return asciiLower(a) == b; });
}
