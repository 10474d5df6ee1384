#include "FileAddress.h"

#include "AsciiText.h"

#include <algorithm>

bool isAddress(std::string_view target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    const std::string_view scheme = target.substr(0, colon);
    return isAsciiLetter(scheme.front()) && std::ranges::all_of(scheme, [](char c) {
               return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' ||
                      c == '.';
           });
}

std::optional<std::string> percentDecoded(std::string_view text, EscapedSeparators separators) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        const int high = i + 1 < text.size() ? hexDigitValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexDigitValue(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        const char byte = static_cast<char>(high * 16 + low);
        if (separators == EscapedSeparators::Refused && (byte == '\0' || byte == '/'))
            return std::nullopt;
        decoded += byte;
        i += 2;
    }
    return decoded;
}

std::optional<std::string> fileAddressPath(std::string_view address) {
    if (!startsWithIgnoringCase(address, "file:"))
        return std::nullopt;
    std::string_view rest = address.substr(std::string_view("file:").size());
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t pathStart = rest.find('/');
        const std::string_view host = rest.substr(0, pathStart);
        if (pathStart == std::string_view::npos || !(host.empty() || host == "localhost"))
            return std::nullopt;
        rest.remove_prefix(pathStart);
    }
    // A query or a fragment has no meaning for a local file; a "#" or "?" in
    // a file name arrives escaped.
    if (rest.empty() || rest.find_first_of("?#") != std::string_view::npos)
        return std::nullopt;
    return percentDecoded(rest, EscapedSeparators::Refused);
}
