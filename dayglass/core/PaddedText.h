#pragma once

#include <string>
#include <string_view>

// The last `count` characters of `padding` followed by `text`: how numbers
// are written with leading zeros throughout the programs, so that "3" with
// the padding "0" and a count of 2 gives "03" and "12" stays "12". Shorter
// than `count` only when padding and text together are.
inline std::string leftPadded(std::string_view padding, std::string_view text, std::size_t count) {
    std::string joined(padding);
    joined.append(text);
    return joined.substr(joined.size() - std::min(count, joined.size()));
}
