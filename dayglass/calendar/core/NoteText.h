#pragma once

#include <string>
#include <string_view>
#include <vector>

// Calendar.ini keeps a note on one line, with "#CR#" for each line break;
// these functions alone know the mark.

// The stored form of an editor text. Carriage returns and line feeds alike
// become "#CR#", and a break that follows a "#CR#" is dropped, so that CR LF
// pairs and runs of empty lines collapse into one mark. A "#CR#" typed by the
// user stays as it is: there is no escape for the mark.
std::string TextToNote(std::string_view text);

// The display text of a stored note: each "#CR#" between two pieces becomes a
// single carriage return, and marks at the very start leave no trace.
std::string NoteToText(std::string_view note);

// The lines of a stored note, the pieces between its marks, empty ones
// included; a note without a mark is one line.
std::vector<std::string_view> noteLines(std::string_view note);

// The first line of a stored note that holds anything, as the page shows it
// first; empty when none does.
std::string_view firstLine(std::string_view note);

// The stored form of another calendar's text: each line break (CR LF, LF or
// CR) one mark. Unlike TextToNote() it keeps empty lines, which the other
// calendar shows.
std::string noteOfLines(std::string_view text);

// `first` with `second` on the lines after it; either alone when the other is
// empty.
std::string joinedNotes(std::string_view first, std::string_view second);

// The length of joinedNotes() of notes of those lengths, in bytes of any of
// the file's encodings, in which the mark is the same.
std::size_t joinedLength(std::size_t first, std::size_t second);

// Whether the note holds `text` as lines of their own.
bool holdsLines(std::string_view note, std::string_view text);

// Whether the note, without the empty lines at its start, begins with `text`.
bool noteBeginsWith(std::string_view note, std::string_view text);
