#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Rules for the ASCII parts of texts that the programs read from their files
// and fields. They work byte by byte: text in CP932, whose second bytes may
// fall on ASCII letters, is to be handed over one character at a time.

// Spaces and tabs, the blanks that surround names and values.
bool isBlank(char c);

// The text without the blanks around it.
std::string_view trimmed(std::string_view text);

// The letter in lower case when it is an ASCII capital; any other byte as it is.
char asciiLower(char c);
std::string asciiLowered(std::string_view text);

// The value of a text made of decimal digits alone, any number of leading
// zeros included; nothing for an empty text, one holding anything else (a
// sign or a blank) or a value beyond 32 bits.
std::optional<std::uint32_t> decimalNumber(std::string_view digits);
