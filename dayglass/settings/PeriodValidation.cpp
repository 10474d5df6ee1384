#include "PeriodValidation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct RangeCheck {
    PeriodField field;
    double low;
    double high;
};

constexpr std::array<RangeCheck, 5> ranges = {{{PeriodField::Month, 1, 12},
                                               {PeriodField::Day, 1, 30},
                                               {PeriodField::Hour, 0, 23},
                                               {PeriodField::Minute, 0, 59},
                                               {PeriodField::Second, 0, 59}}};

constexpr std::array<PeriodSide, 2> sides = {PeriodSide::Start, PeriodSide::End};

static_assert(dateTimeFields[static_cast<std::size_t>(PeriodField::Second)] ==
              &DateTimeTexts::second);

const std::string &fieldText(const PeriodTexts &texts, PeriodSide side, PeriodField field) {
    const DateTimeTexts &row = side == PeriodSide::Start ? texts.start : texts.end;
    return row.*dateTimeFields[static_cast<std::size_t>(field)];
}

} // namespace

std::optional<PeriodProblem> firstPeriodProblem(const PeriodTexts &texts) {
    for (const PeriodSide side : sides) {
        for (const RangeCheck &range : ranges) {
            const auto value = periodFieldValue(fieldText(texts, side, range.field));
            if (!value || *value < range.low || *value > range.high)
                return InvalidField{side, range.field};
        }
    }
    // A year that is no number would pass the order check as year 0 and be
    // saved where the count-down cannot read it. It is checked only after all
    // ten range checks, so that their messages keep their order.
    for (const PeriodSide side : sides) {
        if (!periodFieldValue(fieldText(texts, side, PeriodField::Year)))
            return InvalidField{side, PeriodField::Year};
    }
    if (periodOrderKey(texts.end) <= periodOrderKey(texts.start))
        return StartNotBeforeEnd{};
    return std::nullopt;
}

double periodOrderKey(const DateTimeTexts &texts) {
    // Of the year only its last four digits count, as in a key of the year's
    // text cut to four characters; the other values are below 100 once they
    // have passed the range checks.
    double key = std::fmod(periodFieldValue(texts.year).value_or(0), 10000);
    for (const auto field : {&DateTimeTexts::month, &DateTimeTexts::day, &DateTimeTexts::hour,
                             &DateTimeTexts::minute, &DateTimeTexts::second})
        key = key * 100 + periodFieldValue(texts.*field).value_or(0);
    return key;
}

bool isRefusedFieldCharacter(char32_t character) {
    const bool control = character < U' ' || (character >= U'\x7f' && character <= U'\x9f');
    const bool digit = character >= U'0' && character <= U'9';
    return !control && !digit;
}

bool acceptsFieldText(std::u32string_view stored, std::u32string_view edited, std::size_t limit) {
    const bool digitsWithinLimit =
        edited.size() <= limit &&
        std::ranges::all_of(edited, [](char32_t c) { return c >= U'0' && c <= U'9'; });
    if (digitsWithinLimit)
        return true;
    // Whatever removals leave is a subsequence of the stored text.
    auto next = stored.begin();
    for (const char32_t c : edited) {
        next = std::find(next, stored.end(), c);
        if (next == stored.end())
            return false;
        ++next;
    }
    return true;
}
