#pragma once

#include "DayNoteStore.h"
#include "Result.h"

#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

// How texts from another calendar join the notes of Calendar.ini: a day
// without a note gets the text, a day with one keeps it and gets the text on
// a line after it, unless the note holds that text already as the file keeps
// it. A day takes the texts that fit whole, in their order; its note is
// never shortened.

// Texts to add to days.
struct NoteAdditions {
    // Each text once, in its stored form (see NoteText.h).
    std::vector<std::string> texts;
    // The texts of each day, as indices into `texts`, in the order given.
    std::map<std::chrono::year_month_day, std::vector<std::size_t>> days;

    bool operator==(const NoteAdditions &) const = default;
};

// Characters that a Shift-JIS Calendar.ini cannot keep, and the days whose
// texts hold them, in the order of the dates.
struct UnstorableCharacters {
    // Each once, in the order of the texts (UTF-8).
    std::string characters;
    std::vector<std::chrono::year_month_day> days;

    bool operator==(const UnstorableCharacters &) const = default;
};

// A text that some days could not take whole, as their notes would have
// passed what a read returns, and those days in the order of the dates.
struct TextLeftOut {
    std::string text;
    std::vector<std::chrono::year_month_day> days;

    bool operator==(const TextLeftOut &) const = default;
};

struct ImportPlan {
    // The new notes of the days whose note changes.
    NoteChanges changes;
    // In the order of their first days.
    std::vector<TextLeftOut> leftOut;
};

// The mark that stands for a character that Shift-JIS lacks: the geta mark,
// which Japanese printing and computing have long used for one.
inline constexpr char unstorableMark[] = "〓";

// What an import does with characters that a Shift-JIS Calendar.ini lacks,
// as the user chose.
enum class UnstorableChoice {
    Refuse,          // imports nothing, and names them
    ReplaceWithMark, // imports each as unstorableMark
    StoreInUtf8,     // keeps Calendar.ini in UTF-8 from then on (CalendarEncoding::Utf8)
};

// What adding `additions` to the notes of `calendar` changes; nothing at all
// when a text holds characters the file cannot keep, unless `choice` replaces
// them, and which. The calendar is the one to write: one in UTF-8 already
// when the choice is to store in UTF-8.
Result<ImportPlan, std::vector<UnstorableCharacters>>
planImport(const DayNoteStore &calendar, const NoteAdditions &additions, UnstorableChoice choice);
