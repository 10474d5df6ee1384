#include "cls_IniFile.h"

#include "AsciiText.h"
#include "IniText.h"

#include <algorithm>
#include <limits>
#include <set>

namespace {

// A section or key name as the file carries it.
std::string encodedName(std::string_view name, TextEncoding encoding) {
    return encodeText(trimmed(name), encoding);
}

} // namespace

// The content of the file as one accessor read it. Its index is built at the
// first lookup, so that the many reads of one handler (a month redraw looks up
// 74 keys) parse the file once, and a snapshot that is only written over is
// never parsed.
class cls_IniFile::Snapshot {
public:
    // `content` as the file holds it; a UTF-16LE file is kept as UTF-8.
    explicit Snapshot(std::string content)
        : m_owned(IniText::readableContent(std::move(content))), m_content(m_owned) {}
    // Content that is readable as it is, and outlives the snapshot.
    explicit Snapshot(std::string_view readableContent) : m_content(readableContent) {}
    // The content may be the snapshot's own, and the indexes refer to it.
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;

    std::string_view content() const { return m_content; }
    TextEncoding encoding() const { return IniText::encodingOf(m_content); }

    // An index that covers `section`: of the `expected` sections alone where
    // the first lookup is one of them, else of the whole content. Neither is
    // replaced once built, so a lookup during another's visit is safe.
    const IniText::Index &index(std::string_view section,
                                const std::vector<std::string> &expected) const {
        if (!m_someSections && !m_wholeContent) {
            std::vector<std::string> sections;
            for (const std::string &name : expected)
                sections.push_back(encodedName(name, encoding()));
            if (std::ranges::find(sections, section) != sections.end())
                m_someSections.emplace(m_content, std::move(sections));
        }
        if (m_someSections && m_someSections->covers(section))
            return *m_someSections;
        if (!m_wholeContent)
            m_wholeContent.emplace(m_content);
        return *m_wholeContent;
    }

private:
    const std::string m_owned;
    const std::string_view m_content;
    mutable std::optional<IniText::Index> m_someSections;
    mutable std::optional<IniText::Index> m_wholeContent;
};

// What one read of the file found.
struct cls_IniFile::Read {
    // A file read: its content.
    explicit Read(std::string content)
        : snapshot(std::make_unique<const Snapshot>(std::move(content))) {}
    explicit Read(std::unique_ptr<const Snapshot> snapshot) : snapshot(std::move(snapshot)) {}
    // A file not read, which is larger than the limit when `tooLarge`.
    explicit Read(bool tooLarge) : tooLarge(tooLarge) {}

    // Nothing when the file is missing, no regular file, unreadable or larger
    // than the limit.
    std::unique_ptr<const Snapshot> snapshot;
    // The file is larger than the limit, and was not read.
    bool tooLarge = false;
};

namespace {

constexpr std::string_view missingValue = "Error";

// A stored value as a read returns it: cut, decoded, and "Error", the
// profile functions' answer for a missing key, as "".
std::string valueAsRead(std::string_view stored, TextEncoding encoding) {
    std::string value =
        decodeText(truncateToCharacters(stored, IniText::maximumValueLength, encoding), encoding);
    return value == missingValue ? std::string() : value;
}

// Reads a value as the profile functions read an integer: an optional sign,
// then decimal digits or "0x" and hexadecimal digits, up to the first other
// character. No digits read as 0; values beyond 32 bits are clamped.
std::int32_t parseProfileInt(std::string_view value) {
    value = trimmed(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        base = 16;
        value.remove_prefix(2);
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : value) {
        const int digit = hexDigitValue(c);
        if (digit < 0 || digit >= base)
            break;
        magnitude = std::min(limit, magnitude * base + digit);
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(std::min(magnitude, limit - 1));
}

} // namespace

cls_IniFile::cls_IniFile() = default;
cls_IniFile::cls_IniFile(std::string path, std::uintmax_t sizeLimit)
    : m_name(std::move(path)), m_sizeLimit(sizeLimit) {}
cls_IniFile::cls_IniFile(cls_IniFile &&) noexcept = default;
cls_IniFile &cls_IniFile::operator=(cls_IniFile &&) noexcept = default;
cls_IniFile::~cls_IniFile() = default;

void cls_IniFile::SetOriginal(std::string path) {
    m_originalName = std::move(path);
    m_read.reset();
}

Result<std::string, FileReadError> cls_IniFile::readOriginal() const {
    if (m_originalName.empty())
        return Failure{FileReadError{FileReadProblem::System,
                                     std::make_error_code(std::errc::no_such_file_or_directory)}};
    return readWholeFile(m_originalName, m_sizeLimit, LastLink::Refuse);
}

cls_IniFile cls_IniFile::ofContent(std::string content) {
    cls_IniFile ini;
    ini.m_read = std::make_unique<const Read>(std::move(content));
    return ini;
}

cls_IniFile cls_IniFile::viewing(std::string_view readableContent) {
    cls_IniFile ini;
    ini.m_read = std::make_unique<const Read>(std::make_unique<const Snapshot>(readableContent));
    return ini;
}

void cls_IniFile::ExpectSections(std::vector<std::string> sections) {
    m_expectedSections = std::move(sections);
}

const IniText::Index *cls_IniFile::indexFor(std::string_view section) const {
    const Snapshot *file = read().snapshot.get();
    return file ? &file->index(section, m_expectedSections) : nullptr;
}

// The file is read as FileRead.h reads: nothing stays open to keep a medium
// from being unmounted, a FIFO in the file's place cannot hang the program,
// and a huge file costs no more than a small one; and as FileStore.h reads,
// so that a save that a kill stopped halfway is completed first.
const cls_IniFile::Read &cls_IniFile::read() const {
    if (m_read)
        return *m_read;
    Result<std::string, FileReadError> content = FileStore::read(m_name, m_sizeLimit);
    if (!content && content.error().systemError == std::errc::no_such_file_or_directory)
        content = readOriginal();
    if (content)
        m_read = std::make_unique<const Read>(std::move(*content));
    else
        m_read = std::make_unique<const Read>(content.error().problem == FileReadProblem::TooLarge);
    return *m_read;
}

bool cls_IniFile::IsTooLarge() const {
    return read().tooLarge;
}

std::optional<std::string> cls_IniFile::findValue(std::string_view section,
                                                  std::string_view key) const {
    const TextEncoding encoding = Encoding();
    const std::string name = encodedName(section, encoding);
    const IniText::Index *index = indexFor(name);
    return index ? index->findValue(name, encodedName(key, encoding)) : std::nullopt;
}

std::string cls_IniFile::GetDataStr(std::string_view section, std::string_view key) const {
    const std::optional<std::string> stored = findValue(section, key);
    return stored ? valueAsRead(*stored, Encoding()) : std::string();
}

WriteResult cls_IniFile::SetDataStr(std::string_view section, std::string_view key,
                                    std::string_view value) {
    return Edit([&](std::string_view content) {
        const TextEncoding encoding = IniText::encodingOf(content);
        return IniText::withValue(content, encodedName(section, encoding),
                                  encodedName(key, encoding), encodeText(value, encoding));
    });
}

WriteResult cls_IniFile::Edit(const std::function<std::string(std::string_view)> &edit) {
    bool originalTooLarge = false;
    const WriteResult result = FileStore::update(
        m_name,
        [&](const std::optional<std::string> &old) {
            if (old)
                return IniText::editedContent(*old, edit);
            Result<std::string, FileReadError> original = readOriginal();
            originalTooLarge = !original && original.error().problem == FileReadProblem::TooLarge;
            // A missing file that stays empty is not written.
            return originalTooLarge
                       ? std::string()
                       : IniText::editedContent(original ? std::string_view(*original) : "", edit);
        },
        m_sizeLimit);
    // The next read looks at the file again, which holds what was written
    // unless the write failed: the written content is not kept as well, which
    // would cost a copy of a large calendar.
    m_read.reset();
    if (originalTooLarge)
        return Failure{WriteError{WriteProblem::Oversized, m_originalName}};
    return result;
}

std::int32_t cls_IniFile::GetDataInt(std::string_view section, std::string_view key) const {
    const std::optional<std::string> stored = findValue(section, key);
    const std::int32_t value = stored ? parseProfileInt(*stored) : 0;
    return value == -1 ? 0 : value;
}

std::size_t cls_IniFile::GetDataLength(std::string_view section, std::string_view key) const {
    const TextEncoding encoding = Encoding();
    const std::string name = encodedName(section, encoding);
    const IniText::Index *index = indexFor(name);
    return index ? index->valueLength(name, encodedName(key, encoding)).value_or(0) : 0;
}

std::vector<std::string> cls_IniFile::SectionNames() const {
    const Snapshot *file = read().snapshot.get();
    if (!file)
        return {};
    std::vector<std::string> names;
    std::set<std::string> seen;
    IniText::forEachSectionName(file->content(), [&](std::string_view name) {
        std::string decoded = decodeText(name, file->encoding());
        if (seen.insert(decoded).second)
            names.push_back(std::move(decoded));
        return true;
    });
    return names;
}

bool cls_IniFile::HasSection(std::string_view section) const {
    const std::string name = encodedName(section, Encoding());
    const IniText::Index *index = indexFor(name);
    return index && index->hasSection(name);
}

void cls_IniFile::ForEachKeyStartingWith(
    std::string_view section, std::string_view lowerCasePrefix,
    const std::function<bool(const std::string &name, const std::string &value)> &visit) const {
    const TextEncoding encoding = Encoding();
    const std::string sectionName = encodedName(section, encoding);
    const IniText::Index *index = indexFor(sectionName);
    if (!index)
        return;
    index->forEachKey(sectionName, [&](std::string_view name, std::string_view stored) {
        if (!startsWithIgnoringCase(name, lowerCasePrefix))
            return true;
        return visit(decodeText(name, encoding), valueAsRead(stored, encoding));
    });
}

TextEncoding cls_IniFile::Encoding() const {
    const Snapshot *file = read().snapshot.get();
    return file ? file->encoding() : TextEncoding::Cp932;
}

cls_IniFile iniFileIn(const std::filesystem::path &folder, const char *fileName,
                      std::uintmax_t sizeLimit) {
    return cls_IniFile(folder.is_absolute() ? (folder / fileName).string() : std::string(),
                       sizeLimit);
}
