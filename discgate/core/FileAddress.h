#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether a target of Autorun.inf is an address for the desktop (https:,
// mailto:, ms-settings: ...) rather than a file: it begins with a scheme of
// two or more characters and a colon, so that a drive letter such as "D:" is
// never taken for one. The one rule for addresses, wherever they matter.
bool isAddress(std::string_view target);

// What escapes in an address may stand for.
enum class EscapedSeparators {
    // An escaped "/" or NUL is refused, as in a path, where it would be a
    // separator that the author did not write or would cut the path short.
    Refused,
    Allowed,
};

// The bytes that the percent-escapes of `text` stand for; nothing when an
// escape is broken or stands for what `separators` refuses.
std::optional<std::string> percentDecoded(std::string_view text, EscapedSeparators separators);

// The local path that a `file:` address names, decoded to the file system's
// bytes: "file:///D:/a%20b.txt" gives "/D:/a b.txt", "file:/etc/passwd"
// "/etc/passwd", "file:setup.sh" the relative "setup.sh". Nothing for any
// other address, one that names another host than "localhost", carries a
// query or a fragment, or whose escapes are broken or hide a separator or a NUL.
std::optional<std::string> fileAddressPath(std::string_view address);
