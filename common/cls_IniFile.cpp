#include "cls_IniFile.h"

#include "AsciiText.h"
#include "FileStore.h"
#include "IniSnapshot.h"
#include "IniText.h"

namespace {

constexpr std::string_view missingValue = "Error";

// A section or key name as the file carries it.
std::string encodedName(std::string_view name, TextEncoding encoding) {
    return encodeText(trimmed(name), encoding);
}

// The raw value in the file's encoding, with the encoding to decode it by.
struct StoredValue {
    std::string bytes;
    TextEncoding encoding;
};

std::optional<StoredValue> findStoredValue(const std::string &path, std::string_view section,
                                           std::string_view key) {
    const std::shared_ptr<const IniSnapshot> file = currentIniSnapshot(path);
    if (!file)
        return std::nullopt;
    const TextEncoding encoding = file->encoding();
    auto value = file->findValue(encodedName(section, encoding), encodedName(key, encoding));
    if (!value)
        return std::nullopt;
    return StoredValue{std::move(*value), encoding};
}

} // namespace

std::string cls_IniFile::GetDataStr(std::string_view section, std::string_view key) const {
    const std::optional<StoredValue> stored = findStoredValue(m_name, section, key);
    if (!stored)
        return {};
    std::string value = decodeText(stored->bytes, stored->encoding);
    return value == missingValue ? std::string() : value;
}

WriteResult cls_IniFile::SetDataStr(std::string_view section, std::string_view key,
                                    std::string_view value) {
    return FileStore::update(m_name, [&](const std::optional<std::string> &old) {
        const std::string content = old.value_or(std::string());
        const TextEncoding encoding = IniText::encodingOf(content);
        return IniText::withValue(content, encodedName(section, encoding),
                                  encodedName(key, encoding), encodeText(value, encoding));
    });
}

std::int32_t cls_IniFile::GetDataInt(std::string_view section, std::string_view key) const {
    const std::optional<StoredValue> stored = findStoredValue(m_name, section, key);
    if (!stored)
        return 0;
    const std::int32_t value = IniText::parseProfileInt(stored->bytes);
    return value == -1 ? 0 : value;
}

std::size_t cls_IniFile::GetDataLength(std::string_view section, std::string_view key) const {
    const std::shared_ptr<const IniSnapshot> file = currentIniSnapshot(m_name);
    if (!file)
        return 0;
    const TextEncoding encoding = file->encoding();
    return file->valueLength(encodedName(section, encoding), encodedName(key, encoding))
        .value_or(0);
}

cls_IniFile iniFileAt(const std::string &path) {
    cls_IniFile ini;
    ini.SetName(path);
    return ini;
}

cls_IniFile iniFileIn(const std::filesystem::path &folder, const char *fileName) {
    return iniFileAt(folder.is_absolute() ? (folder / fileName).string() : std::string());
}
