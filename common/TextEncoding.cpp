#include "TextEncoding.h"

#include "AsciiText.h"
#include "SystemError.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

const iconv_t noConversion = reinterpret_cast<iconv_t>(-1);

// One iconv conversion descriptor, opened once per thread and direction. One
// that could not be opened (see checkCp932Conversion) finds every character
// invalid.
class IconvHandle {
public:
    IconvHandle(const char *to, const char *from) : m_handle(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (m_handle != noConversion)
            iconv_close(m_handle);
    }
    IconvHandle(const IconvHandle &) = delete;
    IconvHandle &operator=(const IconvHandle &) = delete;

    // Converts `input`, calling `onInvalid` with the unconvertible position;
    // it returns how many input bytes to skip and appends its replacement.
    template <typename OnInvalid>
    std::string convert(std::string_view input, OnInvalid onInvalid) const {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        std::string output;
        output.reserve(input.size() * 3 / 2 + 8);
        std::size_t consumed = 0;
        char buffer[4096];
        while (consumed < input.size()) {
            char *in = const_cast<char *>(input.data() + consumed);
            std::size_t inLeft = input.size() - consumed;
            char *out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            const int error = errno;
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            consumed = input.size() - inLeft;
            if (result != static_cast<std::size_t>(-1) || error == E2BIG)
                continue;
            consumed += onInvalid(input, consumed, output);
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

private:
    iconv_t m_handle;
};

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

bool isCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isCp932TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

constexpr std::string_view utf16LeByteOrderMark = "\xFF\xFE";

void appendUtf8(std::string &out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void appendUtf16Le(std::string &out, char32_t code) {
    const auto unit = [&out](char32_t value) {
        out += static_cast<char>(value & 0xFF);
        out += static_cast<char>(value >> 8 & 0xFF);
    };
    if (code < 0x10000) {
        unit(code);
        return;
    }
    unit(0xD800 + ((code - 0x10000) >> 10));
    unit(0xDC00 + ((code - 0x10000) & 0x3FF));
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

Result<void, std::error_code> checkCp932Conversion() {
    for (const auto &[to, from] : {std::pair("CP932", "UTF-8"), std::pair("UTF-8", "CP932")}) {
        const iconv_t handle = iconv_open(to, from);
        if (handle == noConversion)
            return Failure{lastSystemError()};
        iconv_close(handle);
    }
    return {};
}

std::size_t characterLength(std::string_view bytes, std::size_t offset, TextEncoding encoding) {
    const auto lead = static_cast<unsigned char>(bytes[offset]);
    const std::size_t remaining = bytes.size() - offset;
    if (encoding == TextEncoding::Cp932) {
        if (isCp932LeadByte(lead) && remaining >= 2 &&
            isCp932TrailByte(static_cast<unsigned char>(bytes[offset + 1])))
            return 2;
        return 1;
    }
    const std::size_t length = utf8SequenceLength(lead);
    if (length > remaining)
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(bytes[offset + i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

std::string_view truncateToCharacters(std::string_view bytes, std::size_t limit,
                                      TextEncoding encoding) {
    if (bytes.size() <= limit)
        return bytes;
    std::size_t end = 0;
    while (end < limit) {
        const std::size_t next = end + characterLength(bytes, end, encoding);
        if (next > limit)
            break;
        end = next;
    }
    return bytes.substr(0, end);
}

std::string encodeText(std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8 || isAscii(utf8))
        return std::string(utf8);
    thread_local const IconvHandle toCp932("CP932", "UTF-8");
    return toCp932.convert(utf8, [](std::string_view input, std::size_t at, std::string &out) {
        out += '?';
        return characterLength(input, at, TextEncoding::Utf8);
    });
}

std::string decodeText(std::string_view bytes, TextEncoding encoding) {
    // Data.ini holds ASCII alone, so it is read without iconv, whose CP932
    // tables are loaded only for the first text that needs them.
    if (isAscii(bytes))
        return std::string(bytes);
    thread_local const IconvHandle fromCp932("UTF-8", "CP932");
    thread_local const IconvHandle fromUtf8("UTF-8", "UTF-8");
    const IconvHandle &handle = encoding == TextEncoding::Cp932 ? fromCp932 : fromUtf8;
    return handle.convert(bytes, [](std::string_view, std::size_t, std::string &out) {
        out += replacementCharacter;
        return std::size_t{1};
    });
}

bool isUtf16LeText(std::string_view bytes) {
    return bytes.starts_with(utf16LeByteOrderMark);
}

bool isUtf16BeText(std::string_view bytes) {
    return bytes.starts_with("\xFE\xFF");
}

std::string utf16WithUnitsSwapped(std::string_view bytes) {
    std::string swapped;
    swapped.reserve(bytes.size());
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        swapped += bytes[at + 1];
        swapped += bytes[at];
    }
    return swapped;
}

std::string utf8FromUtf16Le(std::string_view bytes) {
    const auto unitAt = [bytes](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) |
                                     static_cast<unsigned char>(bytes[at + 1]) << 8);
    };
    std::string utf8;
    utf8.reserve(bytes.size() * 3 / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const char32_t unit = unitAt(at);
        if (isHighSurrogate(unit) && at + 3 < bytes.size() && isLowSurrogate(unitAt(at + 2))) {
            appendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00));
            at += 2;
        } else {
            appendUtf8(utf8, unit);
        }
    }
    return utf8;
}

std::string utf16LeFromUtf8(std::string_view utf8) {
    std::string utf16;
    utf16.reserve(utf8.size() * 2);
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        // Only the form of a sequence is checked, so that a lone surrogate,
        // which comes as three bytes, is brought back.
        const std::size_t length = characterLength(utf8, at, TextEncoding::Utf8);
        if (length == 1 && lead >= 0x80) {
            appendUtf16Le(utf16, 0xFFFD);
            ++at;
            continue;
        }
        constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
        char32_t code = lead & leadBits[length];
        for (std::size_t i = 1; i < length; ++i)
            code = code << 6 | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        appendUtf16Le(utf16, code > 0x10FFFF ? 0xFFFD : code);
        at += length;
    }
    return utf16;
}
