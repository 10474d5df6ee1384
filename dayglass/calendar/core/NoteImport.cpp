#include "NoteImport.h"

#include "IniText.h"
#include "NoteStorage.h"
#include "NoteText.h"

namespace {

// Adds the day to the days of the group of `text` found at `key`, which is
// made at the group's first day.
template <typename Group, typename Key>
void addDay(std::vector<Group> &groups, std::map<Key, std::size_t> &groupOf, const Key &key,
            const std::string &text, std::chrono::year_month_day date) {
    const auto [at, isNew] = groupOf.try_emplace(key, groups.size());
    if (isNew)
        groups.push_back({text, {}});
    std::vector<std::chrono::year_month_day> &days = groups[at->second].days;
    if (days.empty() || days.back() != date)
        days.push_back(date);
}

// The characters that the calendar's file cannot keep, grouped as the texts
// hold them, in the order of their first days; none for a file in UTF-8.
std::vector<UnstorableCharacters> unstorableCharacters(const NoteAdditions &additions,
                                                       TextEncoding encoding) {
    std::vector<UnstorableCharacters> groups;
    if (encoding != TextEncoding::Cp932)
        return groups;
    std::vector<std::string> characters;
    for (const std::string &text : additions.texts)
        characters.push_back(charactersOutsideCp932(text));
    std::map<std::string, std::size_t> groupOf;
    for (const auto &[date, texts] : additions.days) {
        for (const std::size_t index : texts) {
            if (!characters[index].empty())
                addDay(groups, groupOf, characters[index], characters[index], date);
        }
    }
    return groups;
}

} // namespace

Result<ImportPlan, std::vector<UnstorableCharacters>>
planImport(const DayNoteStore &calendar, const NoteAdditions &additions, UnstorableChoice choice) {
    const TextEncoding encoding = calendar.encoding();
    const bool replacing =
        choice == UnstorableChoice::ReplaceWithMark && encoding == TextEncoding::Cp932;
    if (!replacing) {
        if (auto unstorable = unstorableCharacters(additions, encoding); !unstorable.empty())
            return Failure{std::move(unstorable)};
    }
    // The texts as the file keeps them, which is how a note read back holds
    // them, and their lengths there.
    std::vector<std::string> texts;
    std::vector<std::size_t> lengths;
    for (const std::string &text : additions.texts) {
        texts.push_back(storedText(
            replacing ? withCharactersOutsideCp932Replaced(text, unstorableMark) : text, encoding));
        lengths.push_back(encodeText(texts.back(), encoding).size());
    }
    ImportPlan plan;
    std::map<std::size_t, std::size_t> leftOutOf;
    for (const auto &[date, indices] : additions.days) {
        const StoredDay day = calendar.day(date);
        std::string note = day.note;
        std::size_t length = encodeText(note, encoding).size();
        for (const std::size_t index : indices) {
            const std::string &text = texts[index];
            if (text.empty() || (text.size() <= note.size() && holdsLines(note, text)))
                continue;
            // A note cut on reading would lose its end when written back.
            const std::size_t joined = joinedLength(length, lengths[index]);
            if (day.noteCut || joined > IniText::maximumValueLength) {
                addDay(plan.leftOut, leftOutOf, index, text, date);
                continue;
            }
            note = joinedNotes(note, text);
            length = joined;
        }
        if (note != day.note)
            plan.changes.emplace(date, std::move(note));
    }
    return plan;
}
