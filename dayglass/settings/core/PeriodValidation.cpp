#include "PeriodValidation.h"

#include "PaddedText.h"

#include <algorithm>
#include <array>
#include <charconv>

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

// The number that orders one side: the year's text with "00" in front cut to
// its last four characters, the other five fields' texts each with "00" in
// front cut to their last two, joined and read as the decimal number the
// joined text begins with. A month stored as "3.5" so gives ".5" to the key.
double periodOrderKey(const DateTimeTexts &texts) {
    std::string key = leftPadded("00", texts.year, 4);
    for (const auto field : {&DateTimeTexts::month, &DateTimeTexts::day, &DateTimeTexts::hour,
                             &DateTimeTexts::minute, &DateTimeTexts::second})
        key += leftPadded("00", texts.*field, 2);
    // A text stored by hand ("3.5", "+9") puts other characters than digits
    // into the key; the key is then the number that it begins with, 0 when
    // it begins with none.
    const char *begin = key.data() + (key.starts_with('+') ? 1 : 0);
    double value = 0;
    std::from_chars(begin, key.data() + key.size(), value, std::chars_format::fixed);
    return value;
}

} // namespace

Result<void, PeriodProblem> checkPeriod(const PeriodTexts &texts) {
    for (const PeriodSide side : sides) {
        for (const RangeCheck &range : ranges) {
            const auto value = periodFieldValue(fieldText(texts, side, range.field));
            if (!value || *value < range.low || *value > range.high)
                return Failure{InvalidField{side, range.field}};
        }
    }
    // A year that is no number would pass the order check as year 0 and be
    // saved where the count-down cannot read it. It is checked only after all
    // ten range checks, so that their messages keep their order.
    for (const PeriodSide side : sides) {
        if (!periodFieldValue(fieldText(texts, side, PeriodField::Year)))
            return Failure{InvalidField{side, PeriodField::Year}};
    }
    if (periodOrderKey(texts.end) <= periodOrderKey(texts.start))
        return Failure{StartNotBeforeEnd{}};
    return {};
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
