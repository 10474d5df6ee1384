#pragma once

#include "IniText.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Autorun.inf as it was read, once, into memory, looked up by section and key
// by the rules of cls_IniFile (see cls_IniFile.h): names without the blanks
// around them, a missing section or key and the value "Error" read as "", a
// missing key and the value -1 as 0. The launcher reads the file once at its
// start; reading each value through its own open of the file would let a
// medium change the file between two values.
class DescriptionIni {
public:
    explicit DescriptionIni(std::string content);
    DescriptionIni(const DescriptionIni &) = delete;
    DescriptionIni &operator=(const DescriptionIni &) = delete;

    std::string GetDataStr(std::string_view section, std::string_view key) const;
    std::int32_t GetDataInt(std::string_view section, std::string_view key) const;

    bool hasSection(std::string_view section) const;

    // Calls `visit` with each key of the section whose name begins with the
    // ASCII `lowerCasePrefix` in any letter case, and its value as
    // GetDataStr() reads it, in the file's order, until `visit` returns false.
    void forEachKeyStartingWith(
        std::string_view section, std::string_view lowerCasePrefix,
        const std::function<bool(const std::string &name, const std::string &value)> &visit) const;

private:
    std::optional<std::string> storedValue(std::string_view section, std::string_view key) const;

    const std::string m_content;
    const TextEncoding m_encoding;
    // Refers to m_content.
    const IniText::Index m_index;
};
