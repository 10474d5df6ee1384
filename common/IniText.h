#pragma once

#include "TextEncoding.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reading and editing the text of an INI file, byte for byte as the Windows
// profile functions do, so that files travel between the platforms unchanged.
// All names and values here are already in the file's encoding.
namespace IniText {

// The longest value a read returns, in bytes of the file's encoding.
inline constexpr std::size_t maximumValueLength = 999;

// CP932 unless the content begins with a UTF-8 byte-order mark.
TextEncoding encodingOf(std::string_view content);

// The content as the functions here read it: a file in UTF-16LE or UTF-16BE
// (see isUtf16LeText) as UTF-8 with its byte-order mark, any other as it is.
std::string readableContent(std::string content);

// The file's content once `edit` has changed its readable content. A
// UTF-16LE file stays in UTF-16LE, as the Windows profile functions keep it,
// and a UTF-16BE file in UTF-16BE, with every character that the edit left
// as it was, an odd last byte too.
std::string editedContent(std::string_view content,
                          const std::function<std::string(std::string_view)> &edit);

// Calls `visit` with the names of the content's sections, in the order of the
// file, each as often as the file holds it and a view into `content`, until it
// returns false.
void forEachSectionName(std::string_view content,
                        const std::function<bool(std::string_view name)> &visit);

// The content with the key set to `value`. Every other byte stays as it was;
// a new key goes after the last key of its section, a new section at the end,
// both with CRLF line ends. Line breaks in the names or the value would split
// the line and become blanks; a NUL ends each of them, as in a C string.
std::string withValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value);

// One value to set: the key in the section, all in the file's encoding.
struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

// The content with each entry's key set in its section, exactly as withValue()
// called for one entry after the other would give it, in one pass: a day's
// note and colour cost one pass over the calendar, and a thousand days
// imported into it one, not a thousand. Each key of a section is named once.
std::string withValues(std::string_view content, const std::vector<Entry> &entries);

// The sections and keys of one file content, for many lookups in it. It
// refers to the content, which must outlive it.
class Index {
public:
    explicit Index(std::string_view content);

    // An index of the sections named in `sections` alone, for a caller that
    // knows what it will look up: one pass over the content, with no sort of
    // all its sections. Any other section reads as missing (see covers()).
    Index(std::string_view content, std::vector<std::string> sections);

    // Whether a lookup of the section finds what the content holds: any
    // section for an index of the whole content, else the sections it was
    // made for, named byte for byte as they were.
    bool covers(std::string_view section) const;

    // The value of the first key named `key` in the first section named
    // `section` (ASCII letter case ignored), without surrounding blanks or one
    // pair of enclosing quotes, cut at a NUL and at maximumValueLength. No
    // value when the section or the key does not exist.
    std::optional<std::string> findValue(std::string_view section, std::string_view key) const;

    // The length in bytes of the value that findValue() finds, before it is
    // cut at maximumValueLength; nothing when there is no such key.
    std::optional<std::size_t> valueLength(std::string_view section, std::string_view key) const;

    bool hasSection(std::string_view section) const { return sectionLines(section).has_value(); }

    // Calls `visit` with the name and the stored value (not yet cut at
    // maximumValueLength) of each key of the section that findValue() reads,
    // in the file's order, until `visit` returns false.
    void forEachKey(
        std::string_view section,
        const std::function<bool(std::string_view name, std::string_view value)> &visit) const;

private:
    // Where the lines of the first section of that name begin.
    std::optional<std::size_t> sectionLines(std::string_view section) const;
    // The stored value without surrounding blanks or quotes, cut at a NUL
    // but not yet at maximumValueLength.
    std::optional<std::string_view> storedValue(std::string_view section,
                                                std::string_view key) const;

    struct SectionStart {
        // The first eight bytes of the name as names compare, zero-padded:
        // most comparisons of the sort decide on them and read no name in
        // the content, which may lie anywhere in 64 MB.
        std::uint64_t prefix = 0;
        std::string_view name; // a view into the content
        std::size_t lines = 0; // where the section's lines begin
    };

    SectionStart sectionNamed(std::string_view name, std::size_t lines) const;
    void keepFirstOfEachName();
    // Negative, zero or positive as the name of `a` comes before, matches or
    // comes after that of `b`.
    int compare(const SectionStart &a, const SectionStart &b) const;

    std::string_view m_content;
    TextEncoding m_encoding;
    // The sections an index of some sections alone was made for.
    std::optional<std::vector<std::string>> m_only;
    // The first section of each name, sorted by name: a lookup costs a
    // binary search whatever the names are, where a hash of names that a
    // file can choose to collide would cost a scan of them all. A sorted
    // array takes a third of the memory of a tree of a million sections.
    std::vector<SectionStart> m_sections;
};

} // namespace IniText
