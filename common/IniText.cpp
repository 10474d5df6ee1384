#include "IniText.h"

#include <algorithm>
#include <limits>

namespace IniText {
namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares names character by character, folding ASCII letters only, so that
// the second byte of a CP932 character is never mistaken for a letter.
bool namesMatch(std::string_view a, std::string_view b, TextEncoding encoding) {
    if (a.size() != b.size())
        return false;
    std::size_t i = 0;
    while (i < a.size()) {
        const std::size_t length = characterLength(a, i, encoding);
        if (length == 1) {
            if (asciiLower(a[i]) != asciiLower(b[i]))
                return false;
        } else if (a.substr(i, length) != b.substr(i, length)) {
            return false;
        }
        i += length;
    }
    return true;
}

// The name with its ASCII letters in lower case, for comparing names the way
// namesMatch does.
std::string foldedName(std::string_view name, TextEncoding encoding) {
    std::string folded(name);
    std::size_t i = 0;
    while (i < folded.size()) {
        const std::size_t length = characterLength(folded, i, encoding);
        if (length == 1)
            folded[i] = asciiLower(folded[i]);
        i += length;
    }
    return folded;
}

enum class LineKind { Other, Section, Key };

// One line of the file; offsets are into the whole content.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;  // end of the text, before CR LF or LF
    std::size_t next = 0; // beginning of the following line
    LineKind kind = LineKind::Other;
    std::string_view name;      // section or key name, trimmed
    std::size_t valueBegin = 0; // for keys: just after the "="
};

class LineReader {
public:
    LineReader(std::string_view content, TextEncoding encoding)
        : m_content(content), m_encoding(encoding),
          m_position(encoding == TextEncoding::Utf8 && content.starts_with(utf8ByteOrderMark)
                         ? utf8ByteOrderMark.size()
                         : 0) {}

    std::optional<Line> next() {
        if (m_position >= m_content.size())
            return std::nullopt;
        Line line;
        line.begin = m_position;
        const std::size_t newline = m_content.find('\n', m_position);
        line.next = newline == std::string_view::npos ? m_content.size() : newline + 1;
        line.end = newline == std::string_view::npos ? m_content.size() : newline;
        if (line.end > line.begin && m_content[line.end - 1] == '\r')
            --line.end;
        m_position = line.next;
        classify(line);
        return line;
    }

private:
    void classify(Line &line) const {
        const std::string_view text = trimmed(m_content.substr(line.begin, line.end - line.begin));
        if (text.empty() || text.front() == ';')
            return;
        if (text.front() == '[') {
            line.kind = LineKind::Section;
            line.name = trimmed(text.substr(1, closingBracket(text) - 1));
            return;
        }
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos)
            return;
        line.kind = LineKind::Key;
        line.name = trimmed(text.substr(0, equals));
        line.valueBegin = static_cast<std::size_t>(text.data() - m_content.data()) + equals + 1;
    }

    // The position of the "]" that ends a section header, or the end of the
    // text when there is none.
    std::size_t closingBracket(std::string_view text) const {
        std::size_t i = 1;
        while (i < text.size() && text[i] != ']')
            i += characterLength(text, i, m_encoding);
        return std::min(i, text.size());
    }

    std::string_view m_content;
    TextEncoding m_encoding;
    std::size_t m_position;
};

// Where a key stands, or where its section stands and it could go.
struct KeyLocation {
    std::optional<Line> sectionHeader;
    std::optional<Line> lastKeyOfSection;
    std::optional<Line> key;
};

KeyLocation locate(std::string_view content, std::string_view section, std::string_view key,
                   TextEncoding encoding) {
    KeyLocation location;
    LineReader reader(content, encoding);
    bool inSection = false;
    while (const auto line = reader.next()) {
        if (line->kind == LineKind::Section) {
            if (inSection)
                break;
            if (!location.sectionHeader && namesMatch(line->name, section, encoding)) {
                location.sectionHeader = line;
                inSection = true;
            }
        } else if (inSection && line->kind == LineKind::Key) {
            location.lastKeyOfSection = line;
            if (!location.key && namesMatch(line->name, key, encoding))
                location.key = line;
        }
    }
    return location;
}

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

// A stored value as a read returns it: without blanks around it or one pair
// of enclosing quotes, cut at a NUL and at the longest value a read returns.
std::string valueText(std::string_view content, std::size_t begin, std::size_t end,
                      TextEncoding encoding) {
    std::string_view value = withoutQuotes(trimmed(content.substr(begin, end - begin)));
    value = value.substr(0, value.find('\0'));
    return std::string(truncateToCharacters(value, maximumValueLength, encoding));
}

// Names and values as a C string would carry them, on one line.
std::string oneLine(std::string_view text) {
    std::string line(text.substr(0, text.find('\0')));
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

} // namespace

TextEncoding encodingOf(std::string_view content) {
    return content.starts_with(utf8ByteOrderMark) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

std::optional<std::string> findValue(std::string_view content, std::string_view section,
                                     std::string_view key) {
    const TextEncoding encoding = encodingOf(content);
    const KeyLocation location = locate(content, section, key, encoding);
    if (!location.key)
        return std::nullopt;
    return valueText(content, location.key->valueBegin, location.key->end, encoding);
}

Index::Index(std::string_view content) : m_content(content), m_encoding(encodingOf(content)) {
    LineReader reader(content, m_encoding);
    Keys *section = nullptr;
    while (const auto line = reader.next()) {
        if (line->kind == LineKind::Section) {
            // A later section of a name already seen is skipped as a whole.
            const auto [entry, isNew] = m_sections.try_emplace(foldedName(line->name, m_encoding));
            section = isNew ? &entry->second : nullptr;
        } else if (section && line->kind == LineKind::Key) {
            section->try_emplace(foldedName(line->name, m_encoding),
                                 ValueRange{line->valueBegin, line->end});
        }
    }
}

std::optional<std::string> Index::findValue(std::string_view section, std::string_view key) const {
    const auto foundSection = m_sections.find(foldedName(section, m_encoding));
    if (foundSection == m_sections.end())
        return std::nullopt;
    const auto foundKey = foundSection->second.find(foldedName(key, m_encoding));
    if (foundKey == foundSection->second.end())
        return std::nullopt;
    return valueText(m_content, foundKey->second.begin, foundKey->second.end, m_encoding);
}

std::string withValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string sectionName = oneLine(section);
    const std::string keyName = oneLine(key);
    const std::string valueLine = oneLine(value);
    const KeyLocation location = locate(content, sectionName, keyName, encodingOf(content));
    std::string result;
    result.reserve(content.size() + keyName.size() + valueLine.size() + sectionName.size() + 8);

    if (location.key) {
        result.append(content.substr(0, location.key->valueBegin));
        result.append(valueLine);
        result.append(content.substr(location.key->end));
        return result;
    }

    const std::string keyLine = keyName + '=' + valueLine + "\r\n";
    if (location.sectionHeader) {
        const Line &after =
            location.lastKeyOfSection ? *location.lastKeyOfSection : *location.sectionHeader;
        result.append(content.substr(0, after.next));
        if (after.next == after.end)
            result.append("\r\n");
        result.append(keyLine);
        result.append(content.substr(after.next));
        return result;
    }

    result.append(content);
    if (!content.empty() && content.back() != '\n' && content != utf8ByteOrderMark)
        result.append("\r\n");
    result.append("[" + sectionName + "]\r\n");
    result.append(keyLine);
    return result;
}

std::int32_t parseProfileInt(std::string_view value) {
    value = trimmed(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    unsigned base = 10;
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        base = 16;
        value.remove_prefix(2);
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : value) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && asciiLower(c) >= 'a' && asciiLower(c) <= 'f')
            digit = static_cast<unsigned>(asciiLower(c) - 'a' + 10);
        else
            break;
        magnitude = std::min(limit, magnitude * base + digit);
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(std::min(magnitude, limit - 1));
}

} // namespace IniText
