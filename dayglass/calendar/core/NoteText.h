#pragma once

#include <string>
#include <string_view>

// Calendar.ini keeps a note on one line, with "#CR#" for each line break.
inline constexpr std::string_view lineBreakMark = "#CR#";

// The stored form of an editor text. Carriage returns and line feeds alike
// become "#CR#", and a break that follows a "#CR#" is dropped, so that CR LF
// pairs and runs of empty lines collapse into one mark. A "#CR#" typed by the
// user stays as it is: there is no escape for the mark.
std::string TextToNote(std::string_view text);

// The display text of a stored note: each "#CR#" between two pieces becomes a
// single carriage return, and marks at the very start leave no trace.
std::string NoteToText(std::string_view note);
