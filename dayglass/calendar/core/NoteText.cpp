#include "NoteText.h"

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
    std::size_t pieceStart = 0;
    while (true) {
        const std::size_t markStart = note.find(lineBreakMark, pieceStart);
        const std::string_view piece = note.substr(pieceStart, markStart - pieceStart);
        if (!text.empty())
            text += '\r';
        text += piece;
        if (markStart == std::string_view::npos)
            return text;
        pieceStart = markStart + lineBreakMark.size();
    }
}
