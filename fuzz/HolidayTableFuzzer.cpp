// Any file handed over as the Cabinet Office's holiday table: read whole or
// refused at one of its lines, and what is read is real days with names of
// one line of UTF-8 text, which the calendar gives back.

#include "FuzzCheck.h"
#include "HolidayCalendar.h"
#include "TextEncoding.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const auto table = parseHolidayTable(input);
    if (!table) {
        const auto lines = static_cast<std::size_t>(std::ranges::count(input, '\n')) + 1;
        require(table.error().line <= lines, "a refusal names a line of the file");
        return 0;
    }
    const HolidayCalendar calendar(*table);
    for (const auto &[date, name] : table->names) {
        require(date.ok(), "every holiday is a real day");
        require(decodeText(name, TextEncoding::Utf8) == name, "every name is UTF-8");
        require(!name.empty() &&
                    std::ranges::none_of(
                        name, [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
                "every name is one line of text");
        require(calendar.holidayOn(date) == name, "the calendar gives the table's names");
    }
    return 0;
}
