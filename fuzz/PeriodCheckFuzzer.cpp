// The period dialog's checks on any twelve field texts: they never fail, they
// give the same answer twice, and for texts that name real dates they accept
// exactly the periods whose start lies before their end.

#include "FuzzCheck.h"
#include "PeriodValidation.h"

#include <algorithm>
#include <array>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// A field as typed: digits most of the time, since that is all the dialog
// lets in, and any text otherwise, as a hand-edited Data.ini may hold.
std::string fieldText(FuzzedDataProvider &input, int largest) {
    if (input.ConsumeIntegralInRange(0, 7) == 0)
        return input.ConsumeRandomLengthString(6);
    const std::string digits = std::to_string(input.ConsumeIntegralInRange(0, largest));
    return input.ConsumeBool() ? "0" + digits : digits;
}

DateTimeTexts sideFrom(FuzzedDataProvider &input) {
    DateTimeTexts side;
    side.year = fieldText(input, 9999);
    side.month = fieldText(input, 13);
    side.day = fieldText(input, 31);
    side.hour = fieldText(input, 24);
    side.minute = fieldText(input, 60);
    side.second = fieldText(input, 60);
    return side;
}

bool isDigits(const std::string &text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The moment the texts name when they are digits only and name a day that
// the calendar has; nothing for 30 February and the like, which the dialog
// lets through on purpose.
std::optional<LocalSeconds> realMoment(const DateTimeTexts &side) {
    const std::array fields = {&side.year, &side.month,  &side.day,
                               &side.hour, &side.minute, &side.second};
    if (!std::ranges::all_of(fields, [](const std::string *text) { return isDigits(*text); }))
        return std::nullopt;
    const auto moment = dateTimeFrom(side);
    if (!moment)
        return std::nullopt;
    const std::chrono::year_month_day day{std::chrono::floor<std::chrono::days>(*moment)};
    if (static_cast<unsigned>(day.day()) != static_cast<unsigned>(std::stoi(side.day)))
        return std::nullopt;
    return moment;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    PeriodTexts texts;
    texts.start = sideFrom(input);
    texts.end = sideFrom(input);

    const Result<void, PeriodProblem> checked = checkPeriod(texts);
    require(checkPeriod(texts) == checked, "the same fields get the same answer");

    const auto start = realMoment(texts.start);
    const auto end = realMoment(texts.end);
    if (start && end) {
        const bool inRange = checked || std::holds_alternative<StartNotBeforeEnd>(checked.error());
        require(!inRange || (bool(checked) == (*start < *end)),
                "real dates are accepted exactly when the start lies before the end");
    }
    return 0;
}
