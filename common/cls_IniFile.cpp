#include "cls_IniFile.h"

#include "AsciiText.h"

#include <set>

namespace {

constexpr std::string_view missingValue = "Error";

// A section or key name as the file carries it.
std::string encodedName(std::string_view name, TextEncoding encoding) {
    return encodeText(trimmed(name), encoding);
}

// The value in the file's encoding, cut as reads cut it.
std::optional<std::string> findStoredValue(const IniSnapshot *file, std::string_view section,
                                           std::string_view key) {
    if (!file)
        return std::nullopt;
    const TextEncoding encoding = file->encoding();
    return file->index().findValue(encodedName(section, encoding), encodedName(key, encoding));
}

// A stored value as a read returns it: cut, decoded, and "Error", the
// profile functions' answer for a missing key, as "".
std::string valueAsRead(std::string_view stored, TextEncoding encoding) {
    std::string value =
        decodeText(truncateToCharacters(stored, IniText::maximumValueLength, encoding), encoding);
    return value == missingValue ? std::string() : value;
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
    const IniSnapshot *file = read().snapshot.get();
    const std::optional<std::string> stored = findStoredValue(file, section, key);
    return stored ? valueAsRead(*stored, file->encoding()) : std::string();
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
        m_read = IniRead{std::make_unique<const IniSnapshot>(std::move(written)), false};
    else
        m_read.reset();
    return result;
}

std::int32_t cls_IniFile::GetDataInt(std::string_view section, std::string_view key) const {
    const std::optional<std::string> stored = findStoredValue(read().snapshot.get(), section, key);
    const std::int32_t value = stored ? IniText::parseProfileInt(*stored) : 0;
    return value == -1 ? 0 : value;
}

std::size_t cls_IniFile::GetDataLength(std::string_view section, std::string_view key) const {
    const IniSnapshot *file = read().snapshot.get();
    if (!file)
        return 0;
    const TextEncoding encoding = file->encoding();
    return file->index()
        .valueLength(encodedName(section, encoding), encodedName(key, encoding))
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

bool cls_IniFile::HasSection(std::string_view section) const {
    const IniSnapshot *file = read().snapshot.get();
    return file && file->index().hasSection(encodedName(section, file->encoding()));
}

void cls_IniFile::ForEachKeyStartingWith(
    std::string_view section, std::string_view lowerCasePrefix,
    const std::function<bool(const std::string &name, const std::string &value)> &visit) const {
    const IniSnapshot *file = read().snapshot.get();
    if (!file)
        return;
    const TextEncoding encoding = file->encoding();
    file->index().forEachKey(
        encodedName(section, encoding), [&](std::string_view name, std::string_view stored) {
            if (!startsWithIgnoringCase(name, lowerCasePrefix))
                return true;
            return visit(decodeText(name, encoding), valueAsRead(stored, encoding));
        });
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
