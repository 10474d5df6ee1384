#include "NoteStorage.h"

#include "IniText.h"

#include <algorithm>

namespace {

// The few characters that a message names; a pasted page of Korean would not
// fit on the screen.
constexpr std::size_t namedCharacterLimit = 8;

// The characters of the UTF-8 text that CP932 replaces with "?". A "?" in the
// text stays a "?", and CP932 never uses its byte inside a double-byte
// character, so counting them tells whether any character was replaced.
std::string charactersOutsideCp932(std::string_view utf8) {
    const auto questionMarks = [](std::string_view text) {
        return std::count(text.begin(), text.end(), '?');
    };
    if (questionMarks(encodeText(utf8, TextEncoding::Cp932)) == questionMarks(utf8))
        return {};
    std::string found;
    std::size_t named = 0;
    for (std::size_t at = 0; at < utf8.size() && named < namedCharacterLimit;) {
        const std::string_view character =
            utf8.substr(at, characterLength(utf8, at, TextEncoding::Utf8));
        at += character.size();
        const bool ascii = character.size() == 1;
        if (!ascii && encodeText(character, TextEncoding::Cp932) == "?" &&
            found.find(character) == std::string::npos) {
            found += character;
            ++named;
        }
    }
    return found;
}

} // namespace

Result<void, NoteRefusal> checkNoteStorable(std::string_view note, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp932) {
        if (std::string characters = charactersOutsideCp932(note); !characters.empty())
            return Failure{NoteRefusal{NoteProblem::NotInShiftJis, 0, std::move(characters)}};
    }
    const std::size_t length = encodeText(note, encoding).size();
    if (length > IniText::maximumValueLength)
        return Failure{NoteRefusal{NoteProblem::TooLong, length, {}}};
    return {};
}
