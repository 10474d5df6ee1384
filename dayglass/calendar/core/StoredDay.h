#pragma once

#include "OleColor.h"

#include <chrono>
#include <map>
#include <string>

// What Calendar.ini holds for one day, as it passes from the store to the
// windows and other calendars and back. A day itself is its date
// (std::chrono::year_month_day); how the file spells either is the store's.
struct StoredDay {
    // The note in its stored form (see NoteText.h).
    std::string note;
    OleColor colour = oleBlack;
    // The file holds a longer note than a read returns (only another program
    // writes one): `note` is its beginning, and saving it would lose the rest.
    bool noteCut = false;

    bool operator==(const StoredDay &) const = default;
};

// Days with what the file holds for each, in the order of the dates.
using DayNotes = std::map<std::chrono::year_month_day, StoredDay>;
