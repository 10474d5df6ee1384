#pragma once

#include "DayNoteStore.h"
#include "NoteText.h"

#include <chrono>
#include <string_view>

// Writes a day's note and colour as the note editor saves a text it was given
// over whatever the day holds, to set up a calendar.
inline Result<void, DaySaveRefusal> saveEditorText(const std::filesystem::path &dataFolder,
                                                   std::chrono::year_month_day date,
                                                   std::string_view editorText, OleColor colour) {
    return saveDay(dataFolder, date, {TextToNote(editorText), colour}, std::nullopt);
}
