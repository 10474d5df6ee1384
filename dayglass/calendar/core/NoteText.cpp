#include "NoteText.h"

namespace {

constexpr std::string_view lineBreakMark = "#CR#";

} // namespace

std::string TextToNote(std::string_view text) {
    std::string note;
    for (const char character : text) {
        if (character != '\r' && character != '\n')
            note += character;
        else if (!note.ends_with(lineBreakMark))
            note += lineBreakMark;
    }
    return note;
}

std::string NoteToText(std::string_view note) {
    std::string text;
    for (const std::string_view line : noteLines(note)) {
        if (!text.empty())
            text += '\r';
        text += line;
    }
    return text;
}

std::vector<std::string_view> noteLines(std::string_view note) {
    std::vector<std::string_view> lines;
    for (std::size_t mark = note.find(lineBreakMark); mark != std::string_view::npos;
         mark = note.find(lineBreakMark)) {
        lines.push_back(note.substr(0, mark));
        note.remove_prefix(mark + lineBreakMark.size());
    }
    lines.push_back(note);
    return lines;
}

std::string_view firstLine(std::string_view note) {
    for (const std::string_view line : noteLines(note)) {
        if (!line.empty())
            return line;
    }
    return {};
}

std::string noteOfLines(std::string_view text) {
    std::string note;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\r' && text[at] != '\n')
            note += text[at];
        else if (text.substr(at, 2) != "\r\n")
            note += lineBreakMark;
    }
    return note;
}

std::string joinedNotes(std::string_view first, std::string_view second) {
    const bool both = !first.empty() && !second.empty();
    return std::string(first) + std::string(both ? lineBreakMark : "") + std::string(second);
}

std::size_t joinedLength(std::size_t first, std::size_t second) {
    return first + second + (first > 0 && second > 0 ? lineBreakMark.size() : 0);
}

bool holdsLines(std::string_view note, std::string_view text) {
    const std::string mark(lineBreakMark);
    return (mark + std::string(note) + mark).find(mark + std::string(text) + mark) !=
           std::string::npos;
}

bool noteBeginsWith(std::string_view note, std::string_view text) {
    while (note.starts_with(lineBreakMark))
        note.remove_prefix(lineBreakMark.size());
    return note.starts_with(text);
}
