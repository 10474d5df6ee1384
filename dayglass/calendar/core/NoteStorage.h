#pragma once

#include "Result.h"
#include "TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Whether a note can be stored in Calendar.ini so that it reads back as it
// was written. A read returns at most IniText::maximumValueLength bytes of a
// value, and a CP932 file replaces every character that Shift-JIS lacks with
// "?"; a note that either would change is refused before it is saved.

enum class NoteProblem {
    TooLong,      // its stored form passes the length that a read returns
    NotInShiftJis // it holds characters that the CP932 file cannot keep
};

struct NoteRefusal {
    NoteProblem problem = NoteProblem::TooLong;
    // The length of the stored form in bytes, for a note too long.
    std::size_t storedLength = 0;
    // The characters the file cannot keep (UTF-8), each once, in the order
    // of the text, for a note with such characters.
    std::string characters;

    bool operator==(const NoteRefusal &) const = default;
};

// The characters of the UTF-8 text that a CP932 file cannot keep, each once,
// in the order of the text, the first `limit` of them.
std::string charactersOutsideCp932(std::string_view utf8, std::size_t limit = SIZE_MAX);

// The UTF-8 text with each character that a CP932 file cannot keep replaced
// by `mark`.
std::string withCharactersOutsideCp932Replaced(std::string_view utf8, std::string_view mark);

// The UTF-8 text as a file of that encoding gives it back. CP932 keeps some
// characters as others that look alike (〜 as ～, − as －, — as ―, ¢ as ￠),
// and a note read back holds those.
std::string storedText(std::string_view utf8, TextEncoding encoding);

// Whether the note, in its stored form, can be kept by a file of that
// encoding, and if not, why. Characters are judged before the length, because
// the length of a note that cannot be stored as it is means little.
Result<void, NoteRefusal> checkNoteStorable(std::string_view note, TextEncoding encoding);
