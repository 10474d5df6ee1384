#include "DayNoteStore.h"

#include "DaySection.h"
#include "FileStore.h"
#include "IniText.h"
#include "NoteText.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace {

constexpr char textKey[] = "Text";
constexpr char colourKey[] = "Collar";

// The content with the day's note and colour. A day section name has no
// blanks around it, so it goes into the file as it is.
std::string withDay(std::string_view content, std::string_view section, std::string_view editorText,
                    OleColor colour) {
    const TextEncoding encoding = IniText::encodingOf(content);
    const std::string name = encodeText(section, encoding);
    const std::string withNote =
        IniText::withValue(content, name, textKey, encodeText(TextToNote(editorText), encoding));
    // As the platform writes a 32-bit integer: a system colour is negative.
    return IniText::withValue(withNote, name, colourKey,
                              std::to_string(static_cast<std::int32_t>(colour)));
}

// Edits Calendar.ini in one read and one write. A file in UTF-16LE is edited
// as the accessor reads it, and stays in UTF-16LE.
WriteResult updateCalendar(const std::filesystem::path &dataFolder,
                           const std::function<std::string(std::string_view)> &edit) {
    return FileStore::update(calendarFileIn(dataFolder).Name(),
                             [&](const std::optional<std::string> &old) {
                                 return IniText::editedContent(old.value_or(std::string()), edit);
                             });
}

} // namespace

cls_IniFile calendarFileIn(const std::filesystem::path &dataFolder) {
    return iniFileIn(dataFolder, calendarFileName);
}

// An empty "Collar" is black, as is anything that is no colour at all (only a
// hand-edited file holds such values).
StoredDay readDay(const cls_IniFile &calendar, std::string_view section) {
    return {calendar.GetDataStr(section, textKey),
            oleColorFromText(calendar.GetDataStr(section, colourKey)).value_or(oleBlack),
            calendar.GetDataLength(section, textKey) > IniText::maximumValueLength};
}

void readMonthNotes(const std::filesystem::path &dataFolder, MonthGrid &grid) {
    const cls_IniFile calendar = calendarFileIn(dataFolder);
    for (DayCell &cell : grid.cells) {
        if (!cell.date)
            continue;
        StoredDay stored = readDay(calendar, daySectionName(*cell.date));
        cell.note = std::move(stored.note);
        cell.colour = stored.colour;
    }
}

WriteResult clearDaySection(const std::filesystem::path &dataFolder, std::string_view section) {
    cls_IniFile file = calendarFileIn(dataFolder);
    if (WriteResult written = file.SetDataStr(section, textKey, ""); !written)
        return written;
    return file.SetDataStr(section, colourKey, "");
}

// A refusal leaves the content as it was, which the store does not write (and
// a missing file stays missing).
Result<void, DaySaveRefusal> saveEditedDay(const std::filesystem::path &dataFolder,
                                           const DayEdit &edit) {
    std::optional<DaySaveRefusal> refusal;
    const WriteResult written = updateCalendar(dataFolder, [&](std::string_view content) {
        if (auto checked = checkNoteStorable(edit.editorText, IniText::encodingOf(content));
            !checked) {
            refusal = checked.error();
            return std::string(content);
        }
        if (edit.opened) {
            StoredDay now = readDay(cls_IniFile::ofContent(std::string(content)), edit.section);
            if (now != *edit.opened) {
                refusal = DayChangedMeanwhile{std::move(now)};
                return std::string(content);
            }
        }
        return withDay(content, edit.section, edit.editorText, edit.colour);
    });
    if (!written)
        return Failure{DaySaveRefusal(written.error())};
    if (refusal)
        return Failure{std::move(*refusal)};
    return {};
}

bool holdsCalendar(const std::filesystem::path &dataFolder) {
    if (!dataFolder.is_absolute())
        return false;
    std::error_code error;
    const auto status = std::filesystem::symlink_status(dataFolder / calendarFileName, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

WriteResult deleteCalendar(const std::filesystem::path &dataFolder) {
    if (!holdsCalendar(dataFolder))
        return {};
    const std::filesystem::path file = dataFolder / calendarFileName;
    std::error_code error;
    if (!std::filesystem::remove(file, error) && error)
        return Failure{writeErrorFor(file, error)};
    return {};
}

std::vector<DayNote> readAllNotes(const std::filesystem::path &dataFolder) {
    const cls_IniFile calendar = calendarFileIn(dataFolder);
    std::vector<DayNote> days;
    for (const std::string &section : calendar.SectionNames()) {
        const auto date = dayOfSection(section);
        if (!date)
            continue;
        StoredDay stored = readDay(calendar, section);
        if (!stored.note.empty() || stored.colour != oleBlack)
            days.push_back({*date, std::move(stored)});
    }
    std::sort(days.begin(), days.end(),
              [](const DayNote &a, const DayNote &b) { return a.date < b.date; });
    return days;
}

WriteResult saveNotes(const std::filesystem::path &dataFolder, const NoteChanges &changes) {
    const cls_IniFile calendar = calendarFileIn(dataFolder);
    if (calendar.Name().empty())
        return Failure{WriteError{WriteProblem::NoFolder, dataFolder}};
    if (changes(calendar).empty())
        return {};
    return updateCalendar(dataFolder, [&](std::string_view content) {
        const cls_IniFile current = cls_IniFile::ofContent(std::string(content));
        const TextEncoding encoding = current.Encoding();
        std::vector<std::pair<std::string, std::string>> notes;
        for (const NoteChange &change : changes(current))
            notes.emplace_back(encodeText(change.section, encoding),
                               encodeText(change.note, encoding));
        return IniText::withValues(content, textKey, notes);
    });
}
