// Properties of the "#CR#" line-break marks in Calendar.ini notes, for any
// editor text and any stored note.

#include "FuzzCheck.h"
#include "NoteText.h"

#include <string>
#include <vector>

namespace {

constexpr std::string_view mark = "#CR#";

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// An editor text as the page shows it once saved, for a text that holds no
// "#": every run of line breaks becomes one carriage return, and a run at the
// very start disappears.
std::string displayedAfterSaving(std::string_view text) {
    std::string shown;
    bool inBreak = false;
    for (const char c : text) {
        if (!isLineBreak(c)) {
            if (inBreak && !shown.empty())
                shown += '\r';
            shown += c;
        }
        inBreak = isLineBreak(c);
    }
    if (inBreak && !shown.empty())
        shown += '\r';
    return shown;
}

// The pieces between the marks of a note.
std::vector<std::string_view> piecesOf(std::string_view note) {
    std::vector<std::string_view> pieces;
    for (std::size_t at = note.find(mark); at != std::string_view::npos; at = note.find(mark)) {
        pieces.push_back(note.substr(0, at));
        note.remove_prefix(at + mark.size());
    }
    pieces.push_back(note);
    return pieces;
}

// A note the editor writes for lines that hold no "#": no mark at the start,
// none right after another, and nothing but marks holds a "#".
bool isPlainNote(std::string_view note) {
    const auto pieces = piecesOf(note);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].find('#') != std::string_view::npos ||
            pieces[i].find_first_of("\r\n") != std::string_view::npos)
            return false;
        if (pieces[i].empty() && i + 1 < pieces.size())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string input(reinterpret_cast<const char *>(data), size);

    const std::string note = TextToNote(input);
    require(note.find_first_of("\r\n") == std::string::npos, "a note stays on one line");
    require(TextToNote(note) == note, "a note without breaks is stored as it is");
    if (input.find('#') == std::string::npos)
        require(NoteToText(note) == displayedAfterSaving(input),
                "saving keeps every line and only empty lines disappear");

    // A note read from Calendar.ini holds no line feed, which would have ended
    // its line; a carriage return it may hold.
    const std::string text = NoteToText(input);
    if (input.find('\n') == std::string::npos)
        require(text.find('\n') == std::string::npos, "breaks are shown as carriage returns");
    require(text.find(mark) == std::string::npos, "no mark is shown");
    if (isPlainNote(input))
        require(TextToNote(text) == input, "saving an unchanged note rewrites the same note");
    return 0;
}
