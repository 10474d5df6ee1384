#pragma once

#include "AsciiText.h"
#include "TextEncoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an INI file means to our programs, kept in memory and edited the way a
// write should edit the file, so that a fuzzer can check the real reader and
// writer against it. It holds names and values as bytes of the file's
// encoding, exactly as the file carries them.
class IniModel {
public:
    struct Key {
        std::string name;
        // Everything after the "=", up to the line end, as stored.
        std::string storedValue;
    };
    struct Section {
        std::string name;
        std::vector<Key> keys;
    };

    // The meaning of `content`: lines end at "\n" (a "\r" before it belongs
    // to the line end) and, past the last "\n", at a lone "\r"; blanks around
    // names are ignored, and so are ";" lines, other lines without "=" and
    // keys before the first section.
    explicit IniModel(std::string_view content);

    TextEncoding encoding() const { return m_encoding; }
    const std::vector<Section> &sections() const { return m_sections; }

    // The value a read returns, in the file's encoding: the stored text of
    // the first matching key of the first matching section, without blanks
    // around it or one pair of quotes, cut at a NUL and at 999 bytes. Nothing
    // when the key is not there.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // The length of that value before it is cut at 999 bytes.
    std::optional<std::size_t> wholeLength(std::string_view section, std::string_view key) const;

    // What a write leaves: the key's stored text replaced, or the key added to
    // its section, or the section added with the key. Names must be writable
    // (see isWritableSectionName and isWritableKeyName).
    void set(std::string_view section, std::string_view key, std::string_view value);

    // Whether a name, written into a header line or a key line, reads back
    // as itself: no blanks around it, no line break or NUL, and nothing that
    // would end it early or turn the line into another kind.
    bool isWritableSectionName(std::string_view name) const;
    bool isWritableKeyName(std::string_view name) const;

private:
    std::optional<std::string_view> wholeValue(std::string_view section,
                                               std::string_view key) const;
    Section *findSection(std::string_view name);
    const Section *findSection(std::string_view name) const;
    bool namesMatch(std::string_view a, std::string_view b) const;

    TextEncoding m_encoding;
    std::vector<Section> m_sections;
};

// A value as a write stores it: cut at the first NUL, with line breaks turned
// into blanks so that it stays on its line.
std::string storedForm(std::string_view text);

// An integer value as the profile functions read it, written plainly: blanks,
// an optional sign, decimal digits or "0x" and hexadecimal digits, clamped to
// 32 bits.
std::int32_t profileInteger(std::string_view value);
