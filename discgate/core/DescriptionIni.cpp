#include "DescriptionIni.h"

#include "AsciiText.h"

DescriptionIni::DescriptionIni(std::string content)
    : m_content(IniText::readableContent(std::move(content))),
      m_encoding(IniText::encodingOf(m_content)), m_index(m_content) {}

std::optional<std::string> DescriptionIni::storedValue(std::string_view section,
                                                       std::string_view key) const {
    return m_index.findValue(encodeText(trimmed(section), m_encoding),
                             encodeText(trimmed(key), m_encoding));
}

std::string DescriptionIni::GetDataStr(std::string_view section, std::string_view key) const {
    const auto stored = storedValue(section, key);
    if (!stored)
        return {};
    std::string value = decodeText(*stored, m_encoding);
    return value == "Error" ? std::string() : value;
}

std::int32_t DescriptionIni::GetDataInt(std::string_view section, std::string_view key) const {
    const auto stored = storedValue(section, key);
    const std::int32_t value = stored ? IniText::parseProfileInt(*stored) : 0;
    return value == -1 ? 0 : value;
}
