#include "DescriptionIni.h"

#include "AsciiText.h"
#include "FileAddress.h"

DescriptionIni::DescriptionIni(std::string content)
    : m_content(IniText::readableContent(std::move(content))),
      m_encoding(IniText::encodingOf(m_content)), m_index(m_content) {}

std::optional<std::string> DescriptionIni::storedValue(std::string_view section,
                                                       std::string_view key) const {
    return m_index.findValue(encodeText(trimmed(section), m_encoding),
                             encodeText(trimmed(key), m_encoding));
}

namespace {

// A stored value, cut as reads cut it, as the profile functions deliver it:
// "Error", their answer for a missing key, reads as "".
std::string valueAsRead(std::string_view stored, TextEncoding encoding) {
    std::string value =
        decodeText(truncateToCharacters(stored, IniText::maximumValueLength, encoding), encoding);
    return value == "Error" ? std::string() : value;
}

} // namespace

std::string DescriptionIni::GetDataStr(std::string_view section, std::string_view key) const {
    const auto stored = storedValue(section, key);
    return stored ? valueAsRead(*stored, m_encoding) : std::string();
}

std::int32_t DescriptionIni::GetDataInt(std::string_view section, std::string_view key) const {
    const auto stored = storedValue(section, key);
    const std::int32_t value = stored ? IniText::parseProfileInt(*stored) : 0;
    return value == -1 ? 0 : value;
}

bool DescriptionIni::hasSection(std::string_view section) const {
    return m_index.hasSection(encodeText(trimmed(section), m_encoding));
}

// The prefix is ASCII and compared from the name's first byte, where a CP932
// character begins, so no second byte of one is ever taken for a letter.
void DescriptionIni::forEachKeyStartingWith(
    std::string_view section, std::string_view lowerCasePrefix,
    const std::function<bool(const std::string &name, const std::string &value)> &visit) const {
    m_index.forEachKey(encodeText(trimmed(section), m_encoding), [&](std::string_view name,
                                                                     std::string_view stored) {
        if (!startsWithIgnoringCase(name, lowerCasePrefix))
            return true;
        return visit(decodeText(name, m_encoding), valueAsRead(stored, m_encoding));
    });
}
