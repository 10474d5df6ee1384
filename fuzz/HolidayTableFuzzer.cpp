// Any file handed over as the Cabinet Office's holiday table: read whole or
// refused at one of its lines, whatever its line ends, and what is read is
// real days with names of one line of text that the calendar gives back.

#include "FuzzCheck.h"
#include "HolidayCalendar.h"
#include "TextEncoding.h"

#include <algorithm>
#include <string>

namespace {

bool isOneLineOfText(std::string_view name) {
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length = characterLength(name, at, TextEncoding::Utf8);
        const auto byte = static_cast<unsigned char>(name[at]);
        if (length == 1 && (byte < 0x20 || byte >= 0x7F))
            return false;
        at += length;
    }
    return !name.empty();
}

std::string withCrLf(std::string_view text) {
    std::string crLf;
    for (const char c : text) {
        if (c == '\n')
            crLf += '\r';
        crLf += c;
    }
    return crLf;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const auto table = parseHolidayTable(input);
    if (input.find('\r') == input.npos && withCrLf(input).size() <= maximumHolidayTableSize)
        require(parseHolidayTable(withCrLf(input)) == table, "CR LF reads as LF does");
    if (!table) {
        const auto lines = static_cast<std::size_t>(std::ranges::count(input, '\n')) + 1;
        require(table.error().line <= lines, "a refusal names a line of the file");
        return 0;
    }
    const HolidayCalendar calendar(*table);
    for (const auto &[date, name] : table->names) {
        require(date.ok(), "every holiday is a real day");
        require(isOneLineOfText(name), "every name is one line of UTF-8 text");
        require(calendar.holidayOn(date) == name, "the calendar gives the table's names");
    }
    return 0;
}
