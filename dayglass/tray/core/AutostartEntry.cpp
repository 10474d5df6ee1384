#include "AutostartEntry.h"

#include "AsciiText.h"
#include "FileRead.h"
#include "FileStore.h"

#include <algorithm>
#include <system_error>

namespace {

// An entry is a few hundred bytes; a larger file at its place is not ours.
constexpr std::uintmax_t entrySizeLimit = 64 * 1024;
constexpr std::string_view desktopEntryGroup = "[Desktop Entry]";

// Whether the bytes are well-formed UTF-8: no stray or missing continuation
// byte, no overlong form, no surrogate and nothing beyond U+10FFFF.
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// One argument as the Exec key's quoting rules want it: inside double quotes
// where it holds a reserved character, with the four characters that quotes
// do not protect escaped by a backslash.
std::string quotedArgument(std::string_view argument) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    if (!argument.empty() && argument.find_first_of(reserved) == argument.npos)
        return std::string(argument);
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// The Exec line as the value of a string key: field codes' "%" doubled, and
// the escapes of a string value applied after the quoting, in the order that
// freedesktop.org's desktop entry format gives them.
std::string escapedValue(std::string_view exec) {
    using Escape = std::pair<char, std::string_view>;
    constexpr Escape escapes[] = {{'%', "%%"}, {'\\', "\\\\"}, {'\n', "\\n"}, {'\t', "\\t"}};
    std::string value;
    for (const char c : exec) {
        const auto escape = std::ranges::find(escapes, c, &Escape::first);
        value += escape == std::end(escapes) ? std::string_view(&c, 1) : escape->second;
    }
    return value;
}

// The whole entry whose Exec line is `exec`.
std::string autostartEntryText(std::string_view exec) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=dayglass\n"
           "Comment=Count down to the end of a period, started at login\n"
           "Comment[ja]=ログイン時に起動して、期間の終わりまでの残り時間を数えます\n"
           "Icon=dayglass\n"
           "Exec=" +
           std::string(exec) + "\nTerminal=false\n";
}

// Whether the entry `content` starts what `exec` starts: its Exec line is
// that one, and it is not hidden, which is how an entry is switched off.
bool entryStarts(std::string_view content, std::string_view exec) {
    bool inEntry = false;
    bool starts = false;
    while (!content.empty()) {
        const std::size_t end = std::min(content.find('\n'), content.size());
        const std::string_view line = trimmed(content.substr(0, end));
        content.remove_prefix(std::min(end + 1, content.size()));
        if (line.starts_with('['))
            inEntry = line == desktopEntryGroup;
        const std::size_t equals = line.find('=');
        if (!inEntry || equals == line.npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key == "Hidden" && value == "true")
            return false;
        if (key == "Exec")
            starts = value == exec;
    }
    return starts;
}

} // namespace

std::filesystem::path autostartEntryPath(const std::filesystem::path &configHome) {
    return configHome / "autostart" / DAYGLASS_APP_ID ".desktop";
}

std::string autostartProgram(const std::filesystem::path &program,
                             std::span<const std::filesystem::path> searchFolders) {
    for (const std::filesystem::path &folder : searchFolders) {
        std::error_code error;
        const std::filesystem::path candidate = folder / program.filename();
        if (!std::filesystem::exists(candidate, error))
            continue;
        if (std::filesystem::equivalent(candidate, program, error))
            return program.filename().string();
        break;
    }
    return program.string();
}

Result<std::string, std::error_code> autostartExec(std::string_view program) {
    const bool controlCharacter = std::ranges::any_of(program, [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') || c == 0x7F;
    });
    if (controlCharacter || !isUtf8(program))
        return Failure{std::make_error_code(std::errc::illegal_byte_sequence)};
    return escapedValue(quotedArgument(program) + ' ' + inTrayOption);
}

WriteResult writeAutostartEntry(const std::filesystem::path &path, std::string_view program) {
    const Result<std::string, std::error_code> exec = autostartExec(program);
    if (!exec)
        return Failure{WriteError{WriteProblem::Other, path, exec.error()}};
    return FileStore::update(path, [text = autostartEntryText(*exec)](
                                       const std::optional<std::string> &) { return text; });
}

WriteResult removeAutostartEntry(const std::filesystem::path &path) {
    std::error_code error;
    if (!std::filesystem::remove(path, error) && error)
        return Failure{writeErrorFor(path, error)};
    return {};
}

bool autostartEntryStarts(const std::filesystem::path &path, std::string_view program) {
    const Result<std::string, std::error_code> exec = autostartExec(program);
    const Result<std::string, FileReadError> content = readWholeFile(path, entrySizeLimit);
    return exec && content && entryStarts(*content, *exec);
}
