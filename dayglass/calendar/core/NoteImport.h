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
// a line after it, unless the note holds that text already. A note that would
// no longer read back whole is left as it is.

// Texts to add to days.
struct NoteAdditions {
    // Each text once, in its stored form (see NoteText.h).
    std::vector<std::string> texts;
    // The texts of each day, as indices into `texts`, in the order given.
    std::map<std::chrono::year_month_day, std::vector<std::size_t>> days;

    bool operator==(const NoteAdditions &) const = default;
};

// A text that the file cannot keep, on the first day it would go to.
struct UnstorableText {
    std::chrono::year_month_day date;
    // The characters Shift-JIS lacks (UTF-8), as NoteRefusal names them.
    std::string characters;

    bool operator==(const UnstorableText &) const = default;
};

struct ImportPlan {
    // The new notes of the days whose note changes.
    NoteChanges changes;
    // The days whose note would grow past what a read returns, kept as they are.
    std::vector<std::chrono::year_month_day> leftAlone;
};

// What adding `additions` to the notes of `calendar` changes; nothing at all
// when a text holds characters the file cannot keep, and which.
Result<ImportPlan, UnstorableText> planImport(const DayNoteStore &calendar,
                                              const NoteAdditions &additions);
