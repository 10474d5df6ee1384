#pragma once

#include "DayNoteStore.h"

#include <string>
#include <string_view>

// Writes a day's note and colour as the note editor saves them over whatever
// the day holds, to set up a calendar.
inline Result<void, DaySaveRefusal> saveDay(const std::filesystem::path &dataFolder,
                                            std::string_view section, std::string_view editorText,
                                            OleColor colour) {
    return saveEditedDay(dataFolder,
                         {std::string(section), std::string(editorText), colour, std::nullopt});
}
