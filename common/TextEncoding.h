#pragma once

#include "Result.h"

#include <string>
#include <string_view>
#include <system_error>

// The byte encodings that our INI files come in. Files are CP932 (Shift-JIS)
// unless they begin with a UTF-8 byte-order mark, which is how a user keeps
// characters beyond CP932. A UTF-16LE file is read and edited as UTF-8 (see
// IniText::readableContent).
enum class TextEncoding { Cp932, Utf8 };

// Whether the system can convert between CP932 and UTF-8, as every read and
// write of a file with other than ASCII text must; when it cannot, the
// system's error. Without the conversion such text reads as U+FFFD and
// is written as "?", so a program that reads or writes files asks first.
Result<void, std::error_code> checkCp932Conversion();

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

// Windows writes Unicode INI files in UTF-16LE, beginning with the mark FF FE.
bool isUtf16LeText(std::string_view bytes);

// Some tools write them in UTF-16BE, beginning with the mark FE FF; Windows
// reads those as well.
bool isUtf16BeText(std::string_view bytes);

// The same text with the two bytes of each code unit swapped: UTF-16BE as
// UTF-16LE. An odd last byte is left out.
std::string utf16WithUnitsSwapped(std::string_view bytes);

// UTF-16LE as UTF-8, the mark included (it becomes the UTF-8 mark). A lone
// surrogate becomes the three bytes UTF-8 would give its value, so that
// utf16LeFromUtf8() brings every code unit back as it was; an odd last byte
// is left out.
std::string utf8FromUtf16Le(std::string_view bytes);

// The reverse of utf8FromUtf16Le(). A byte that begins no UTF-8 sequence
// becomes U+FFFD.
std::string utf16LeFromUtf8(std::string_view utf8);
