#include "NoteStorage.h"

#include "IniText.h"

#include <unordered_set>
#include <vector>

namespace {

// The few characters that a message names; a pasted page of Korean would not
// fit on the screen.
constexpr std::size_t namedCharacterLimit = 8;

// The UTF-8 form of a character below U+10000.
std::string utf8Of(char32_t code) {
    if (code < 0x800)
        return {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
    return {static_cast<char>(0xE0 | code >> 12), static_cast<char>(0x80 | (code >> 6 & 0x3F)),
            static_cast<char>(0x80 | (code & 0x3F))};
}

// The code of a character as characterLength() finds them: one byte (ASCII,
// or a byte that begins no character, taken as it is) or a UTF-8 sequence.
char32_t codeOf(std::string_view character) {
    const auto byte = [character](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(character[at]));
    };
    constexpr char32_t leadBits[] = {0, 0xFF, 0x1F, 0x0F, 0x07};
    char32_t code = byte(0) & leadBits[character.size()];
    for (std::size_t at = 1; at < character.size(); ++at)
        code = code << 6 | (byte(at) & 0x3F);
    return code;
}

// Whether CP932 holds the character. Every character of CP932 lies below
// U+10000; which of those it holds, iconv is asked once, at the first text
// that needs it, so that a text of a million characters costs a million
// lookups, not a million conversions. A byte that begins no character stays
// as it is.
bool isInCp932(std::string_view character) {
    static const std::vector<bool> held = [] {
        std::vector<bool> found(0x10000);
        for (char32_t code = 0x80; code < 0x10000; ++code) {
            const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
            found[code] = !surrogate && encodeText(utf8Of(code), TextEncoding::Cp932) != "?";
        }
        return found;
    }();
    const char32_t code = codeOf(character);
    return character.size() == 1 || (code < held.size() && held[code]);
}

// Calls `visit` with each character of the UTF-8 text that CP932 lacks and
// its code, until it returns false.
template <typename Visit> void eachCharacterOutsideCp932(std::string_view utf8, Visit visit) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = characterLength(utf8, at, TextEncoding::Utf8);
        const std::string_view character = utf8.substr(at, length);
        if (length > 1 && !isInCp932(character) && !visit(character, at))
            return;
        at += length;
    }
}

} // namespace

std::string charactersOutsideCp932(std::string_view utf8, std::size_t limit) {
    std::string found;
    std::unordered_set<char32_t> seen;
    eachCharacterOutsideCp932(utf8, [&](std::string_view character, std::size_t) {
        if (seen.insert(codeOf(character)).second)
            found += character;
        return seen.size() < limit;
    });
    return found;
}

std::string withCharactersOutsideCp932Replaced(std::string_view utf8, std::string_view mark) {
    std::string replaced;
    std::size_t copied = 0;
    eachCharacterOutsideCp932(utf8, [&](std::string_view character, std::size_t at) {
        replaced.append(utf8.substr(copied, at - copied)).append(mark);
        copied = at + character.size();
        return true;
    });
    return replaced.append(utf8.substr(copied));
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
