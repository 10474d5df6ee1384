#include "IniText.h"

#include "AsciiText.h"

#include <algorithm>
#include <map>

namespace IniText {
namespace {

// Spaces and tabs, the blanks that surround names and values.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// The bytes of a name as names are compared: the ASCII letters of
// single-byte characters folded to lower case, every other byte as it is.
class FoldedName {
public:
    FoldedName(std::string_view name, TextEncoding encoding) : m_name(name), m_encoding(encoding) {}

    bool atEnd() const { return m_at == m_name.size(); }

    unsigned char next() {
        if (m_unfoldedBytes == 0) {
            const std::size_t length = characterLength(m_name, m_at, m_encoding);
            if (length == 1)
                return static_cast<unsigned char>(asciiLower(m_name[m_at++]));
            m_unfoldedBytes = length;
        }
        --m_unfoldedBytes;
        return static_cast<unsigned char>(m_name[m_at++]);
    }

private:
    std::string_view m_name;
    TextEncoding m_encoding;
    std::size_t m_at = 0;
    // What is left of a multi-byte character, whose bytes are never folded.
    std::size_t m_unfoldedBytes = 0;
};

// Orders names as they match: byte by byte, with the ASCII letters of
// single-byte characters folded to lower case, so that the second byte of a
// CP932 character is never taken for a letter. Negative, zero or positive as
// `a` comes before, matches or comes after `b`.
int compareNames(std::string_view a, std::string_view b, TextEncoding encoding) {
    // ASCII bytes are characters of their own in both encodings, and the
    // names of real files are made of them: those are compared directly, the
    // rest from the first other byte on, which begins a character in both.
    std::size_t at = 0;
    for (const std::size_t common = std::min(a.size(), b.size()); at < common; ++at) {
        const auto x = static_cast<unsigned char>(asciiLower(a[at]));
        const auto y = static_cast<unsigned char>(asciiLower(b[at]));
        if (x >= 0x80 || y >= 0x80)
            break;
        if (x != y)
            return x < y ? -1 : 1;
    }
    FoldedName left(a.substr(at), encoding);
    FoldedName right(b.substr(at), encoding);
    while (!left.atEnd() && !right.atEnd()) {
        const unsigned char x = left.next();
        const unsigned char y = right.next();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return static_cast<int>(!left.atEnd()) - static_cast<int>(!right.atEnd());
}

// Names as a map orders them.
struct NameOrder {
    TextEncoding encoding;
    bool operator()(std::string_view a, std::string_view b) const {
        return compareNames(a, b, encoding) < 0;
    }
};

// Folding keeps the length, so names of different lengths never match.
bool namesMatch(std::string_view a, std::string_view b, TextEncoding encoding) {
    return a.size() == b.size() && compareNames(a, b, encoding) == 0;
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
          m_firstLine(encoding == TextEncoding::Utf8 && content.starts_with(utf8ByteOrderMark)
                          ? utf8ByteOrderMark.size()
                          : 0),
          m_position(m_firstLine), m_carriageReturnsFrom(content.rfind('\n') + 1) {}

    // Continues at `position`, which must begin a line.
    void seek(std::size_t position) { m_position = position; }

    std::optional<Line> next() {
        if (m_position >= m_content.size())
            return std::nullopt;
        const Line line = lineAt(m_position);
        m_position = line.next;
        return line;
    }

    // The next section header, skipping every other line. It looks only at
    // the "[" characters of the file, so that a file of millions of lines is
    // crossed at the speed of memchr.
    std::optional<Line> nextSection() {
        while (m_position < m_content.size()) {
            const std::size_t bracket = m_content.find('[', m_position);
            if (bracket == std::string_view::npos)
                break;
            std::size_t start = bracket;
            while (start > m_firstLine && isBlank(m_content[start - 1]))
                --start;
            m_position = bracket + 1;
            if (start == m_firstLine || endsLine(start - 1)) {
                const Line header = lineAt(start);
                m_position = header.next;
                return header;
            }
        }
        m_position = m_content.size();
        return std::nullopt;
    }

private:
    // Lines end at LF (with or without a CR before it). Past the last LF, as
    // in a file saved with the old Macintosh line ends, a lone CR ends a
    // line. Neither byte occurs inside a double-byte character.
    bool endsLine(std::size_t position) const {
        const char c = m_content[position];
        return c == '\n' || (c == '\r' && position >= m_carriageReturnsFrom);
    }

    Line lineAt(std::size_t position) const {
        Line line;
        line.begin = position;
        const char terminator = position >= m_carriageReturnsFrom ? '\r' : '\n';
        const std::size_t found = m_content.find(terminator, position);
        line.end = found == std::string_view::npos ? m_content.size() : found;
        line.next = found == std::string_view::npos ? m_content.size() : found + 1;
        if (terminator == '\n' && line.end > line.begin && m_content[line.end - 1] == '\r')
            --line.end;
        classify(line);
        return line;
    }

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
    std::size_t m_firstLine; // after a byte-order mark
    std::size_t m_position;
    std::size_t m_carriageReturnsFrom; // just past the last LF; 0 when there is none
};

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

// A stored value without blanks around it or one pair of enclosing quotes,
// cut at a NUL.
std::string_view storedValueOf(std::string_view content, const Line &key) {
    const std::string_view value =
        withoutQuotes(trimmed(content.substr(key.valueBegin, key.end - key.valueBegin)));
    return value.substr(0, value.find('\0'));
}

// How a line put at `position` must end so that every line keeps its meaning.
// Past the last LF lone CRs end the lines. A new line ended by LF there would
// join all of them before it into one, so once one of them stands before
// `position` (the CR just before it may still be completed to CR LF), new
// lines end in CR alone; everywhere else in CR LF.
std::string_view lineBreakAt(std::string_view content, std::size_t position) {
    const std::size_t carriageReturnsFrom = content.rfind('\n') + 1;
    const std::size_t lastLineEnd = position == 0 ? 0 : position - 1;
    const bool joinsLines =
        carriageReturnsFrom < lastLineEnd &&
        content.substr(carriageReturnsFrom, lastLineEnd - carriageReturnsFrom).find('\r') !=
            std::string_view::npos;
    return joinsLines ? "\r" : "\r\n";
}

// What the line that ends at `position` lacks before another can follow it:
// nothing after a complete line break, the LF after a lone CR in a file of
// CR LF lines, or a whole line break where the file ends without one.
std::string_view missingLineEnd(std::string_view content, std::size_t position,
                                std::string_view lineBreak) {
    if (position == 0 ||
        (position == utf8ByteOrderMark.size() && content.starts_with(utf8ByteOrderMark)))
        return {};
    const char last = content[position - 1];
    if (last == '\n' || (last == '\r' && lineBreak == "\r"))
        return {};
    return last == '\r' ? "\n" : lineBreak;
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

std::string readableContent(std::string content) {
    if (isUtf16BeText(content))
        return utf8FromUtf16Le(utf16WithUnitsSwapped(content));
    if (isUtf16LeText(content))
        return utf8FromUtf16Le(content);
    return content;
}

std::string editedContent(std::string_view content,
                          const std::function<std::string(std::string_view)> &edit) {
    const std::string oddByte(content.substr(content.size() & ~std::size_t{1}));
    if (isUtf16BeText(content))
        return utf16WithUnitsSwapped(editedContent(utf16WithUnitsSwapped(content), edit)) + oddByte;
    if (!isUtf16LeText(content))
        return edit(content);
    return utf16LeFromUtf8(edit(utf8FromUtf16Le(content))) + oddByte;
}

void forEachSectionName(std::string_view content,
                        const std::function<bool(std::string_view name)> &visit) {
    LineReader reader(content, encodingOf(content));
    while (const auto header = reader.nextSection()) {
        if (!visit(header->name))
            return;
    }
}

Index::SectionStart Index::sectionNamed(std::string_view name, std::size_t lines) const {
    std::uint64_t prefix = 0;
    FoldedName folded(name, m_encoding);
    for (int byte = 0; byte < 8; ++byte)
        prefix = prefix << 8 | (folded.atEnd() ? 0 : folded.next());
    return {prefix, name, lines};
}

int Index::compare(const SectionStart &a, const SectionStart &b) const {
    if (a.prefix == b.prefix)
        return compareNames(a.name, b.name, m_encoding);
    return a.prefix < b.prefix ? -1 : 1;
}

Index::Index(std::string_view content) : m_content(content), m_encoding(encodingOf(content)) {
    LineReader reader(content, m_encoding);
    while (const auto header = reader.nextSection())
        m_sections.push_back(sectionNamed(header->name, header->next));
    keepFirstOfEachName();
}

Index::Index(std::string_view content, std::vector<std::string> sections)
    : m_content(content), m_encoding(encodingOf(content)), m_only(std::move(sections)) {
    std::vector<SectionStart> sought;
    for (const std::string &name : *m_only)
        sought.push_back(sectionNamed(name, 0));
    const auto before = [this](const SectionStart &a, const SectionStart &b) {
        return compare(a, b) < 0;
    };
    std::sort(sought.begin(), sought.end(), before);
    LineReader reader(content, m_encoding);
    while (const auto header = reader.nextSection()) {
        const SectionStart found = sectionNamed(header->name, header->next);
        if (std::binary_search(sought.begin(), sought.end(), found, before))
            m_sections.push_back(found);
    }
    keepFirstOfEachName();
}

// Sections of the same name stay in the order of the file, so that the first
// of them is the one kept: a later one is skipped as a whole.
void Index::keepFirstOfEachName() {
    std::sort(m_sections.begin(), m_sections.end(),
              [this](const SectionStart &a, const SectionStart &b) {
                  const int order = compare(a, b);
                  return order != 0 ? order < 0 : a.lines < b.lines;
              });
    const auto sameName = [this](const SectionStart &a, const SectionStart &b) {
        return compare(a, b) == 0;
    };
    m_sections.erase(std::unique(m_sections.begin(), m_sections.end(), sameName), m_sections.end());
    m_sections.shrink_to_fit();
}

bool Index::covers(std::string_view section) const {
    return !m_only || std::ranges::find(*m_only, section) != m_only->end();
}

std::optional<std::string> Index::findValue(std::string_view section, std::string_view key) const {
    if (const auto value = storedValue(section, key))
        return std::string(truncateToCharacters(*value, maximumValueLength, m_encoding));
    return std::nullopt;
}

std::optional<std::size_t> Index::valueLength(std::string_view section,
                                              std::string_view key) const {
    if (const auto value = storedValue(section, key))
        return value->size();
    return std::nullopt;
}

std::optional<std::size_t> Index::sectionLines(std::string_view section) const {
    const SectionStart sought = sectionNamed(section, 0);
    const auto found = std::lower_bound(
        m_sections.begin(), m_sections.end(), sought,
        [this](const SectionStart &a, const SectionStart &b) { return compare(a, b) < 0; });
    if (found == m_sections.end() || compare(*found, sought) != 0)
        return std::nullopt;
    return found->lines;
}

void Index::forEachKey(
    std::string_view section,
    const std::function<bool(std::string_view name, std::string_view value)> &visit) const {
    const auto lines = sectionLines(section);
    if (!lines)
        return;
    LineReader reader(m_content, m_encoding);
    reader.seek(*lines);
    while (const auto line = reader.next()) {
        if (line->kind == LineKind::Section)
            return;
        if (line->kind == LineKind::Key && !visit(line->name, storedValueOf(m_content, *line)))
            return;
    }
}

std::optional<std::string_view> Index::storedValue(std::string_view section,
                                                   std::string_view key) const {
    std::optional<std::string_view> value;
    forEachKey(section, [&](std::string_view name, std::string_view stored) {
        if (namesMatch(name, key, m_encoding))
            value = stored;
        return !value;
    });
    return value;
}

std::string withValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    return withValues(content, {{std::string(section), std::string(key), std::string(value)}});
}

std::string withValues(std::string_view content, const std::vector<Entry> &entries) {
    const TextEncoding encoding = encodingOf(content);
    const auto keyLine = [&](std::size_t entry, std::string_view lineBreak) {
        return oneLine(entries[entry].key) + '=' + oneLine(entries[entry].value) +
               std::string(lineBreak);
    };
    // The sections not met yet, each with its entries in the order given.
    std::map<std::string, std::vector<std::size_t>, NameOrder> pending(NameOrder{encoding});
    for (std::size_t entry = 0; entry < entries.size(); ++entry)
        pending[oneLine(entries[entry].section)].push_back(entry);

    std::string result;
    result.reserve(content.size() + entries.size() * 48);
    std::size_t copied = 0;
    // The entries of the section being read whose keys it has not shown yet.
    std::vector<std::size_t> unset;
    std::optional<Line> header;
    std::optional<Line> lastKey;
    const auto addKeysToSection = [&] {
        if (unset.empty())
            return;
        const Line &after = lastKey ? *lastKey : *header;
        const std::string_view lineBreak = lineBreakAt(content, after.next);
        result.append(content.substr(copied, after.next - copied));
        result.append(missingLineEnd(content, after.next, lineBreak));
        for (const std::size_t entry : unset)
            result.append(keyLine(entry, lineBreak));
        copied = after.next;
        unset.clear();
    };
    // Outside the sections to be changed only the section headers matter,
    // and past the last of them nothing does.
    LineReader reader(content, encoding);
    while (!pending.empty() || !unset.empty()) {
        const auto line = unset.empty() ? reader.nextSection() : reader.next();
        if (!line)
            break;
        if (line->kind == LineKind::Section) {
            addKeysToSection();
            lastKey.reset();
            if (const auto found = pending.find(std::string(line->name)); found != pending.end()) {
                unset = std::move(found->second);
                header = line;
                pending.erase(found);
            }
        } else if (line->kind == LineKind::Key) {
            lastKey = line;
            const auto set = std::find_if(unset.begin(), unset.end(), [&](std::size_t entry) {
                return namesMatch(line->name, oneLine(entries[entry].key), encoding);
            });
            if (set != unset.end()) {
                result.append(content.substr(copied, line->valueBegin - copied));
                result.append(oneLine(entries[*set].value));
                copied = line->end;
                unset.erase(set);
            }
        }
    }
    addKeysToSection();
    result.append(content.substr(copied));

    // The sections the content lacks go at its end, in the order given.
    std::vector<std::vector<std::size_t>> missing;
    for (auto &[name, sectionEntries] : pending)
        missing.push_back(std::move(sectionEntries));
    std::sort(missing.begin(), missing.end());
    for (const std::vector<std::size_t> &sectionEntries : missing) {
        const std::string_view lineBreak = lineBreakAt(result, result.size());
        result.append(missingLineEnd(result, result.size(), lineBreak));
        result.append('[' + oneLine(entries[sectionEntries.front()].section) + ']' +
                      std::string(lineBreak));
        for (const std::size_t entry : sectionEntries)
            result.append(keyLine(entry, lineBreak));
    }
    return result;
}

} // namespace IniText
