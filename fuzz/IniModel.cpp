#include "IniModel.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t longestValue = 999;

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view storedValue;
};

ParsedLine parseLine(std::string_view line, TextEncoding encoding) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';')
        return {};
    if (text.front() == '[') {
        // The "]" must be a character of its own, not the second byte of a
        // Shift-JIS character.
        std::size_t end = 1;
        while (end < text.size() && text[end] != ']')
            end += characterLength(text, end, encoding);
        end = std::min(end, text.size());
        return {LineKind::Section, trimmed(text.substr(1, end - 1)), {}};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {LineKind::Key, trimmed(text.substr(0, equals)), line.substr(line.find('=') + 1)};
}

// The name with each single-byte capital letter made small; a letter that is
// the second byte of a Shift-JIS character stays as it is.
std::string folded(std::string_view name, TextEncoding encoding) {
    std::string result(name);
    for (std::size_t i = 0; i < result.size();) {
        const std::size_t length = characterLength(result, i, encoding);
        if (length == 1 && result[i] >= 'A' && result[i] <= 'Z')
            result[i] = static_cast<char>(result[i] - 'A' + 'a');
        i += length;
    }
    return result;
}

} // namespace

IniModel::IniModel(std::string_view content)
    : m_encoding(content.starts_with(byteOrderMark) ? TextEncoding::Utf8 : TextEncoding::Cp932) {
    if (m_encoding == TextEncoding::Utf8)
        content.remove_prefix(byteOrderMark.size());
    // Past the last LF a lone CR ends a line, as in files saved with the old
    // Macintosh line ends.
    const std::size_t carriageReturnsFrom = content.rfind('\n') + 1;
    std::size_t position = 0;
    while (position < content.size()) {
        const char lineEnd = position >= carriageReturnsFrom ? '\r' : '\n';
        const std::size_t end = std::min(content.find(lineEnd, position), content.size());
        std::string_view line = content.substr(position, end - position);
        position = end + 1;
        if (lineEnd == '\n' && line.ends_with('\r'))
            line.remove_suffix(1);
        const ParsedLine parsed = parseLine(line, m_encoding);
        if (parsed.kind == LineKind::Section)
            m_sections.push_back({std::string(parsed.name), {}});
        else if (parsed.kind == LineKind::Key && !m_sections.empty())
            m_sections.back().keys.push_back(
                {std::string(parsed.name), std::string(parsed.storedValue)});
    }
}

std::optional<std::string> IniModel::value(std::string_view section, std::string_view key) const {
    const auto whole = wholeValue(section, key);
    if (!whole)
        return std::nullopt;
    return std::string(truncateToCharacters(*whole, longestValue, m_encoding));
}

std::optional<std::size_t> IniModel::wholeLength(std::string_view section,
                                                 std::string_view key) const {
    const auto whole = wholeValue(section, key);
    return whole ? std::optional(whole->size()) : std::nullopt;
}

std::optional<std::string_view> IniModel::wholeValue(std::string_view section,
                                                     std::string_view key) const {
    const Section *found = findSection(section);
    if (!found)
        return std::nullopt;
    for (const Key &entry : found->keys) {
        if (!namesMatch(entry.name, key))
            continue;
        std::string_view text = trimmed(entry.storedValue);
        if (text.size() >= 2 && text.front() == text.back() &&
            (text.front() == '"' || text.front() == '\''))
            text = text.substr(1, text.size() - 2);
        return text.substr(0, text.find('\0'));
    }
    return std::nullopt;
}

void IniModel::set(std::string_view section, std::string_view key, std::string_view value) {
    Section *found = findSection(section);
    if (!found) {
        m_sections.push_back({std::string(section), {}});
        found = &m_sections.back();
    }
    for (Key &entry : found->keys) {
        if (namesMatch(entry.name, key)) {
            entry.storedValue = storedForm(value);
            return;
        }
    }
    found->keys.push_back({std::string(key), storedForm(value)});
}

bool IniModel::isWritableSectionName(std::string_view name) const {
    const std::string line = "[" + std::string(name) + "]";
    const ParsedLine parsed = parseLine(line, m_encoding);
    return parsed.kind == LineKind::Section && parsed.name == name && name == storedForm(name);
}

bool IniModel::isWritableKeyName(std::string_view name) const {
    const std::string line = std::string(name) + "=";
    const ParsedLine parsed = parseLine(line, m_encoding);
    return parsed.kind == LineKind::Key && parsed.name == name && name == storedForm(name);
}

IniModel::Section *IniModel::findSection(std::string_view name) {
    const auto found = std::ranges::find_if(
        m_sections, [&](const Section &section) { return namesMatch(section.name, name); });
    return found == m_sections.end() ? nullptr : &*found;
}

const IniModel::Section *IniModel::findSection(std::string_view name) const {
    return const_cast<IniModel *>(this)->findSection(name);
}

bool IniModel::namesMatch(std::string_view a, std::string_view b) const {
    return folded(a, m_encoding) == folded(b, m_encoding);
}

std::string storedForm(std::string_view text) {
    std::string result(text.substr(0, text.find('\0')));
    std::ranges::replace(result, '\r', ' ');
    std::ranges::replace(result, '\n', ' ');
    return result;
}

std::int32_t profileInteger(std::string_view value) {
    value = trimmed(value);
    const bool negative = value.starts_with('-');
    if (negative || value.starts_with('+'))
        value.remove_prefix(1);
    int base = 10;
    if (value.size() > 2 && (value.starts_with("0x") || value.starts_with("0X"))) {
        base = 16;
        value.remove_prefix(2);
    }
    const std::int64_t ceiling = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (const char c : value) {
        const std::string_view digits = "0123456789abcdef";
        const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
        const std::size_t digit = digits.substr(0, static_cast<std::size_t>(base)).find(lower);
        if (digit == std::string_view::npos)
            break;
        magnitude = std::min(ceiling, magnitude * base + static_cast<std::int64_t>(digit));
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(signedValue, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}
