#include "HolidayTable.h"

#include "AsciiText.h"
#include "TextEncoding.h"

#include <algorithm>
#include <charconv>
#include <optional>

using namespace std::chrono;

namespace {

struct TableRow {
    year_month_day date;
    std::string name;
};

bool isControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Whether `bytes` are UTF-8 text with characters beyond ASCII: a table that
// an editor saved again as UTF-8, whose bytes would often pass for Shift-JIS
// and give names of garbled characters. Shift-JIS text of any length is
// almost never UTF-8 as well: most of its lead bytes, 0x81 to 0x9F, can only
// continue a UTF-8 character.
bool isUtf8BeyondAscii(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = characterLength(bytes, at, TextEncoding::Utf8);
        if (length == 1 && static_cast<unsigned char>(bytes[at]) >= 0x80)
            return false;
        beyondAscii = beyondAscii || length > 1;
        at += length;
    }
    return beyondAscii;
}

// A number of `minimum` to `maximum` digits and nothing else.
std::optional<unsigned> digitsValue(std::string_view text, std::size_t minimum,
                                    std::size_t maximum) {
    unsigned value = 0;
    if (text.size() < minimum || text.size() > maximum ||
        !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A date written as the table writes it, 2024/2/12, with leading zeros or
// without.
std::optional<year_month_day> tableDate(std::string_view text) {
    const std::size_t firstSlash = text.find('/');
    const std::size_t secondSlash = text.find('/', firstSlash + 1);
    if (firstSlash == text.npos || secondSlash == text.npos)
        return std::nullopt;
    const auto yearNumber = digitsValue(text.substr(0, firstSlash), 4, 4);
    const auto monthNumber =
        digitsValue(text.substr(firstSlash + 1, secondSlash - firstSlash - 1), 1, 2);
    const auto dayNumber = digitsValue(text.substr(secondSlash + 1), 1, 2);
    if (!yearNumber || !monthNumber || !dayNumber)
        return std::nullopt;
    const year_month_day date{year{static_cast<int>(*yearNumber)}, month{*monthNumber},
                              day{*dayNumber}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

Result<TableRow, HolidayTableProblem> tableRow(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma == line.npos || comma + 1 == line.size() || line.find(',', comma + 1) != line.npos ||
        std::ranges::any_of(line, isControlCharacter))
        return Failure{HolidayTableProblem::BadLine};
    const auto date = tableDate(line.substr(0, comma));
    if (!date)
        return Failure{HolidayTableProblem::BadDate};
    // CP932 gives no character the replacement character's code, so one in
    // the decoded name stands for bytes that are no CP932.
    std::string name = decodeText(line.substr(comma + 1), TextEncoding::Cp932);
    if (name.find("\xEF\xBF\xBD") != name.npos)
        return Failure{HolidayTableProblem::NotShiftJis};
    return TableRow{*date, std::move(name)};
}

Failure<HolidayTableError> refusal(HolidayTableProblem problem, std::size_t line) {
    return Failure{HolidayTableError{problem, line}};
}

} // namespace

Result<HolidayTable, HolidayTableError> parseHolidayTable(std::string_view bytes) {
    if (bytes.size() > maximumHolidayTableSize)
        return refusal(HolidayTableProblem::TooLarge, 0);
    const bool savedAsUtf8 = isUtf8BeyondAscii(bytes);
    HolidayTable table;
    bool headerRead = false;
    std::size_t lineNumber = 0;
    for (std::string_view rest = bytes; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == rest.npos ? rest.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (savedAsUtf8 && !isAscii(line))
            return refusal(HolidayTableProblem::NotShiftJis, lineNumber);
        auto row = tableRow(line);
        // The header's wording is the Cabinet Office's to change; only a
        // holiday where it belongs tells that it is missing.
        if (!headerRead) {
            headerRead = true;
            if (row)
                return refusal(HolidayTableProblem::NoHeader, lineNumber);
            continue;
        }
        if (!row)
            return refusal(row.error(), lineNumber);
        if (!table.names.emplace(row->date, std::move(row->name)).second)
            return refusal(HolidayTableProblem::DuplicateDate, lineNumber);
    }
    if (table.names.empty())
        return refusal(HolidayTableProblem::NoHolidays, 0);
    return table;
}
