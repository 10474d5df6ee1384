#include "NoteImport.h"

#include "NoteStorage.h"
#include "NoteText.h"

namespace {

// The first day that would get a text the file cannot keep.
std::optional<UnstorableText> firstUnstorable(const NoteAdditions &additions,
                                              TextEncoding encoding) {
    std::vector<std::optional<std::string>> characters(additions.texts.size());
    for (std::size_t index = 0; index < additions.texts.size(); ++index) {
        const auto checked = checkNoteStorable(additions.texts[index], encoding);
        if (!checked && checked.error().problem == NoteProblem::NotInShiftJis)
            characters[index] = checked.error().characters;
    }
    for (const auto &[date, texts] : additions.days) {
        for (const std::size_t index : texts) {
            if (characters[index])
                return UnstorableText{date, *characters[index]};
        }
    }
    return std::nullopt;
}

} // namespace

Result<ImportPlan, UnstorableText> planImport(const DayNoteStore &calendar,
                                              const NoteAdditions &additions) {
    const TextEncoding encoding = calendar.encoding();
    if (std::optional<UnstorableText> unstorable = firstUnstorable(additions, encoding))
        return Failure{std::move(*unstorable)};
    ImportPlan plan;
    for (const auto &[date, texts] : additions.days) {
        const StoredDay day = calendar.day(date);
        std::string note = day.note;
        for (const std::size_t index : texts) {
            const std::string &text = additions.texts[index];
            if (!text.empty() && !holdsLines(note, text))
                note = joinedNotes(note, text);
        }
        if (note == day.note)
            continue;
        // A note cut on reading would lose its end when written back.
        if (day.noteCut || !checkNoteStorable(note, encoding))
            plan.leftAlone.push_back(date);
        else
            plan.changes.emplace(date, std::move(note));
    }
    return plan;
}
