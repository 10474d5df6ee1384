#pragma once

#include "DayNoteStore.h"
#include "NoteText.h"

#include <chrono>
#include <string_view>

// Saves an editor text and a colour over whatever the day holds, as a set-up.
inline Result<void, DaySaveRefusal> saveEditorText(const DataFolder &dataFolder,
                                                   std::chrono::year_month_day date,
                                                   std::string_view editorText, OleColor colour) {
    return saveDay(dataFolder, date, {TextToNote(editorText), colour}, std::nullopt);
}
