#pragma once

#include "TextEncoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// Reading and editing the text of an INI file, byte for byte as the Windows
// profile functions do, so that files travel between the platforms unchanged.
// All names and values here are already in the file's encoding.
namespace IniText {

// The longest value a read returns, in bytes of the file's encoding.
inline constexpr std::size_t maximumValueLength = 999;

// CP932 unless the content begins with a UTF-8 byte-order mark.
TextEncoding encodingOf(std::string_view content);

// The value of the first key named `key` in the first section named
// `section` (ASCII letter case ignored), without surrounding blanks or one pair
// of enclosing quotes, cut at a NUL and at maximumValueLength. No value when
// the section or the key does not exist.
std::optional<std::string> findValue(std::string_view content, std::string_view section,
                                     std::string_view key);

// The content with the key set to `value`. Every other byte stays as it was;
// a new key goes after the last key of its section, a new section at the end,
// both with CRLF line ends. Line breaks in the names or the value would split
// the line and become blanks; a NUL ends each of them, as in a C string.
std::string withValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value);

// The sections and keys of one file content, for many lookups in it. Finds
// exactly what findValue finds. It refers to the content, which must outlive
// it.
class Index {
public:
    explicit Index(std::string_view content);

    std::optional<std::string> findValue(std::string_view section, std::string_view key) const;

    // The length in bytes of the value that findValue() finds, before it is
    // cut at maximumValueLength; nothing when there is no such key.
    std::optional<std::size_t> valueLength(std::string_view section, std::string_view key) const;

private:
    // The stored value without surrounding blanks or quotes, cut at a NUL
    // but not yet at maximumValueLength.
    std::optional<std::string_view> storedValue(std::string_view section,
                                                std::string_view key) const;

    // Names are views into the content, hashed and compared the way names
    // match, so that a file of a million sections indexes without a copy of
    // each.
    struct NameHash {
        TextEncoding encoding;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        TextEncoding encoding;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::string_view m_content;
    TextEncoding m_encoding;
    // Where the lines of each section begin, for the first section of each
    // name; a lookup reads the few lines of its section.
    std::unordered_map<std::string_view, std::size_t, NameHash, NameEqual> m_sections;
};

// Reads a value as the profile functions read an integer: an optional sign,
// then decimal digits or "0x" and hexadecimal digits, up to the first other
// character. No digits read as 0; values beyond 32 bits are clamped.
std::int32_t parseProfileInt(std::string_view value);

} // namespace IniText
