#include "NoteStorage.h"

#include "IniText.h"

#include <algorithm>
#include <unordered_set>

namespace {

// The few characters that a message names; a pasted page of Korean would not
// fit on the screen.
constexpr std::size_t namedCharacterLimit = 8;

// Whether CP932 replaces any character of the UTF-8 text with "?". A "?" in
// the text stays a "?", and CP932 never uses its byte inside a double-byte
// character, so counting them tells.
bool hasCharactersOutsideCp932(std::string_view utf8) {
    const auto questionMarks = [](std::string_view text) {
        return std::count(text.begin(), text.end(), '?');
    };
    return questionMarks(encodeText(utf8, TextEncoding::Cp932)) != questionMarks(utf8);
}

// Calls `visit` with each character of the UTF-8 text and whether CP932
// holds it, until it returns false.
template <typename Visit> void eachCharacter(std::string_view utf8, Visit visit) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::string_view character =
            utf8.substr(at, characterLength(utf8, at, TextEncoding::Utf8));
        at += character.size();
        if (!visit(character,
                   character.size() == 1 || encodeText(character, TextEncoding::Cp932) != "?"))
            return;
    }
}

} // namespace

std::string charactersOutsideCp932(std::string_view utf8, std::size_t limit) {
    std::string found;
    if (!hasCharactersOutsideCp932(utf8))
        return found;
    std::unordered_set<std::string_view> seen;
    eachCharacter(utf8, [&](std::string_view character, bool storable) {
        if (!storable && seen.insert(character).second)
            found += character;
        return seen.size() < limit;
    });
    return found;
}

std::string withCharactersOutsideCp932Replaced(std::string_view utf8, std::string_view mark) {
    if (!hasCharactersOutsideCp932(utf8))
        return std::string(utf8);
    std::string replaced;
    eachCharacter(utf8, [&](std::string_view character, bool storable) {
        replaced += storable ? character : mark;
        return true;
    });
    return replaced;
}

std::string storedText(std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return std::string(utf8);
    return decodeText(encodeText(utf8, encoding), encoding);
}

Result<void, NoteRefusal> checkNoteStorable(std::string_view note, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp932) {
        if (std::string characters = charactersOutsideCp932(note, namedCharacterLimit);
            !characters.empty())
            return Failure{NoteRefusal{NoteProblem::NotInShiftJis, 0, std::move(characters)}};
    }
    const std::size_t length = encodeText(note, encoding).size();
    if (length > IniText::maximumValueLength)
        return Failure{NoteRefusal{NoteProblem::TooLong, length, {}}};
    return {};
}
