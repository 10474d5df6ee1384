#pragma once

#include <string>
#include <string_view>

// The byte encodings that our INI files come in. Files are CP932 (Shift-JIS)
// unless they begin with a UTF-8 byte-order mark, which is how a user keeps
// characters beyond CP932.
enum class TextEncoding { Cp932, Utf8 };

// Converts UTF-8 text into the file's encoding. A character that CP932 cannot
// hold becomes "?".
std::string encodeText(std::string_view utf8, TextEncoding encoding);

// Converts bytes in the file's encoding into UTF-8. A byte sequence that is not
// valid in the encoding becomes U+FFFD.
std::string decodeText(std::string_view bytes, TextEncoding encoding);

// The number of bytes of the character that begins at `offset`: 2 for a CP932
// double-byte character, the sequence length for UTF-8, otherwise 1. Never
// reaches past the end of `bytes`.
std::size_t characterLength(std::string_view bytes, std::size_t offset, TextEncoding encoding);

// The longest prefix of `bytes` of at most `limit` bytes that does not end in
// the middle of a character.
std::string_view truncateToCharacters(std::string_view bytes, std::size_t limit,
                                      TextEncoding encoding);
