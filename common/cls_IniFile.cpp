#include "cls_IniFile.h"

#include "AsciiText.h"

#include <set>

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

std::optional<StoredValue> findStoredValue(const IniSnapshot *file, std::string_view section,
                                           std::string_view key) {
    if (!file)
        return std::nullopt;
    const TextEncoding encoding = file->encoding();
    auto value = file->findValue(encodedName(section, encoding), encodedName(key, encoding));
    if (!value)
        return std::nullopt;
    return StoredValue{std::move(*value), encoding};
}

} // namespace

cls_IniFile cls_IniFile::ofContent(std::string content) {
    cls_IniFile ini;
    ini.m_read = IniRead{std::make_unique<const IniSnapshot>(std::move(content)), false};
    return ini;
}

const IniRead &cls_IniFile::read() const {
    if (!m_read)
        m_read = readIniSnapshot(m_name, m_sizeLimit);
    return *m_read;
}

std::string cls_IniFile::GetDataStr(std::string_view section, std::string_view key) const {
    const std::optional<StoredValue> stored = findStoredValue(read().snapshot.get(), section, key);
    if (!stored)
        return {};
    std::string value = decodeText(stored->bytes, stored->encoding);
    return value == missingValue ? std::string() : value;
}

WriteResult cls_IniFile::SetDataStr(std::string_view section, std::string_view key,
                                    std::string_view value) {
    std::string written;
    const WriteResult result = FileStore::update(
        m_name,
        [&](const std::optional<std::string> &old) {
            written =
                IniText::editedContent(old.value_or(std::string()), [&](std::string_view content) {
                    const TextEncoding encoding = IniText::encodingOf(content);
                    return IniText::withValue(content, encodedName(section, encoding),
                                              encodedName(key, encoding),
                                              encodeText(value, encoding));
                });
            return written;
        },
        m_sizeLimit);
    // The file now holds what was written; after a failure the next read
    // looks at the file again.
    if (result)
        m_read.reset();
    else
        m_read = IniRead{std::make_unique<const IniSnapshot>(std::move(written)), false};
    return result;
}

std::int32_t cls_IniFile::GetDataInt(std::string_view section, std::string_view key) const {
    const std::optional<StoredValue> stored = findStoredValue(read().snapshot.get(), section, key);
    if (!stored)
        return 0;
    const std::int32_t value = IniText::parseProfileInt(stored->bytes);
    return value == -1 ? 0 : value;
}

std::size_t cls_IniFile::GetDataLength(std::string_view section, std::string_view key) const {
    const IniSnapshot *file = read().snapshot.get();
    if (!file)
        return 0;
    const TextEncoding encoding = file->encoding();
    return file->valueLength(encodedName(section, encoding), encodedName(key, encoding))
        .value_or(0);
}

std::vector<std::string> cls_IniFile::SectionNames() const {
    const IniSnapshot *file = read().snapshot.get();
    if (!file)
        return {};
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const std::string_view name : file->sectionNames()) {
        std::string decoded = decodeText(name, file->encoding());
        if (seen.insert(decoded).second)
            names.push_back(std::move(decoded));
    }
    return names;
}

TextEncoding cls_IniFile::Encoding() const {
    const IniSnapshot *file = read().snapshot.get();
    return file ? file->encoding() : TextEncoding::Cp932;
}

cls_IniFile iniFileAt(const std::string &path, std::uintmax_t sizeLimit) {
    cls_IniFile ini(sizeLimit);
    ini.SetName(path);
    return ini;
}

cls_IniFile iniFileIn(const std::filesystem::path &folder, const char *fileName,
                      std::uintmax_t sizeLimit) {
    return iniFileAt(folder.is_absolute() ? (folder / fileName).string() : std::string(),
                     sizeLimit);
}
