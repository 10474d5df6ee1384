#include "DayNoteStore.h"

#include "DaySection.h"
#include "FileStore.h"
#include "IniText.h"
#include "MonthGrid.h"

#include <cstdint>

namespace {

constexpr char textKey[] = "Text";
constexpr char colourKey[] = "Collar"; // sic

cls_IniFile calendarFileIn(const DataFolder &dataFolder) {
    return iniFileIn(dataFolder, calendarFileName);
}

// The content with every key of the day set, in one pass: to what stores
// `day`, or, to clear the day, to empty values, which read back as no note on
// black. A day section name has no blanks around it, so it goes into the file
// as it is.
std::string withDay(std::string_view content, std::chrono::year_month_day date,
                    const std::optional<StoredDay> &day) {
    const TextEncoding encoding = IniText::encodingOf(content);
    const std::string section = encodeText(daySectionName(date), encoding);
    // As the platform writes a 32-bit integer: a system colour is negative.
    return IniText::withValues(
        content,
        {{section, textKey, day ? encodeText(day->note, encoding) : ""},
         {section, colourKey, day ? std::to_string(static_cast<std::int32_t>(day->colour)) : ""}});
}

// The readable content in UTF-8: a CP932 file's text, converted, after the
// byte-order mark.
std::string inUtf8(std::string_view content) {
    if (IniText::encodingOf(content) == TextEncoding::Utf8)
        return std::string(content);
    return "\xEF\xBB\xBF" + decodeText(content, TextEncoding::Cp932);
}

} // namespace

DayNoteStore::DayNoteStore(const DataFolder &dataFolder,
                           const std::vector<std::chrono::year_month_day> &days)
    : DayNoteStore(calendarFileIn(dataFolder), days) {}

DayNoteStore::DayNoteStore(cls_IniFile file, const std::vector<std::chrono::year_month_day> &days)
    : m_file(std::move(file)) {
    std::vector<std::string> sections;
    for (const std::chrono::year_month_day date : days)
        sections.push_back(daySectionName(date));
    m_file.ExpectSections(std::move(sections));
}

DayNoteStore DayNoteStore::ofContent(std::string content) {
    return DayNoteStore(cls_IniFile::ofContent(std::move(content)), {});
}

DayNoteStore DayNoteStore::viewing(std::string_view content,
                                   const std::vector<std::chrono::year_month_day> &days) {
    return DayNoteStore(cls_IniFile::viewing(content), days);
}

// An empty "Collar" is black, as is anything that is no colour at all (only a
// hand-edited file holds such values).
StoredDay DayNoteStore::day(std::chrono::year_month_day date) const {
    const std::string section = daySectionName(date);
    return {m_file.GetDataStr(section, textKey),
            oleColorFromText(m_file.GetDataStr(section, colourKey)).value_or(oleBlack),
            m_file.GetDataLength(section, textKey) > IniText::maximumValueLength};
}

DayNotes DayNoteStore::annotatedDays() const {
    DayNotes days;
    for (const std::string &section : m_file.SectionNames()) {
        const auto date = dayOfSection(section);
        if (!date)
            continue;
        StoredDay stored = day(*date);
        if (!stored.note.empty() || stored.colour != oleBlack)
            days.emplace(*date, std::move(stored));
    }
    return days;
}

void readMonthNotes(const DataFolder &dataFolder, MonthGrid &grid) {
    std::vector<std::chrono::year_month_day> days;
    for (const DayCell &cell : grid.cells) {
        if (cell.date)
            days.push_back(*cell.date);
    }
    const DayNoteStore calendar(dataFolder, days);
    for (DayCell &cell : grid.cells) {
        if (cell.date)
            cell.stored = calendar.day(*cell.date);
    }
}

WriteResult clearDay(const DataFolder &dataFolder, std::chrono::year_month_day date) {
    return calendarFileIn(dataFolder).Edit([&](std::string_view content) {
        return withDay(content, date, std::nullopt);
    });
}

Result<void, DaySaveRefusal> saveDay(const DataFolder &dataFolder, std::chrono::year_month_day date,
                                     const StoredDay &day, const std::optional<StoredDay> &over) {
    std::optional<DaySaveRefusal> refusal;
    const WriteResult written = calendarFileIn(dataFolder).Edit([&](std::string_view content) {
        if (auto checked = checkNoteStorable(day.note, IniText::encodingOf(content)); !checked) {
            refusal = checked.error();
        } else if (over) {
            StoredDay now = DayNoteStore::viewing(content, {date}).day(date);
            if (now != *over)
                refusal = DayChangedMeanwhile{std::move(now)};
        }
        return refusal ? std::string(content) : withDay(content, date, day);
    });
    if (!written)
        return Failure{DaySaveRefusal(written.error())};
    if (refusal)
        return Failure{std::move(*refusal)};
    return {};
}

bool holdsCalendar(const DataFolder &dataFolder) {
    const std::filesystem::path file = dataFolder.fileToRead(calendarFileName);
    if (file.empty())
        return false;
    std::error_code error;
    const auto status = std::filesystem::symlink_status(file, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

WriteResult deleteCalendar(const DataFolder &dataFolder) {
    if (!holdsCalendar(dataFolder))
        return {};
    const std::filesystem::path file = calendarFileIn(dataFolder).Name();
    // Where the originals hold a calendar, the user's own stays as an empty
    // file, or the original would be read again.
    if (holdsCalendar(DataFolder(dataFolder.originals)))
        return FileStore::update(
            file, [](const std::optional<std::string> &) { return std::string(); },
            FileStore::maximumFileSize, FileStore::EmptyContent::MakesAnEmptyFile);
    std::error_code error;
    if (!std::filesystem::remove(file, error) && error)
        return Failure{writeErrorFor(file, error)};
    return {};
}

WriteResult saveNotes(const DataFolder &dataFolder,
                      const std::function<NoteChanges(const DayNoteStore &current)> &changes,
                      CalendarEncoding encoding) {
    if (calendarFileIn(dataFolder).Name().empty())
        return Failure{WriteError{WriteProblem::NoFolder, dataFolder.path}};
    if (encoding == CalendarEncoding::AsItIs && changes(DayNoteStore(dataFolder)).empty())
        return {};
    return calendarFileIn(dataFolder).Edit([&](std::string_view readable) {
        const std::string content =
            encoding == CalendarEncoding::Utf8 ? inUtf8(readable) : std::string(readable);
        const DayNoteStore current = DayNoteStore::viewing(content);
        const TextEncoding fileEncoding = current.encoding();
        std::vector<IniText::Entry> notes;
        for (const auto &[date, note] : changes(current))
            notes.push_back({encodeText(daySectionName(date), fileEncoding), textKey,
                             encodeText(note, fileEncoding)});
        return notes.empty() ? std::string(readable) : IniText::withValues(content, notes);
    });
}
