#include "PeriodValidation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct RangeCheck {
    const std::string DateTimeTexts::*field;
    double low;
    double high;
    const char *message;
};

struct SideChecks {
    const DateTimeTexts PeriodTexts::*side;
    const char *yearMessage;
    std::array<RangeCheck, 5> ranges;
};

constexpr std::array<SideChecks, 2> sides = {{
    {&PeriodTexts::start,
     "開始年が不正です",
     {{{&DateTimeTexts::month, 1, 12, "開始月が不正です"},
       {&DateTimeTexts::day, 1, 30, "開始日が不正です"},
       {&DateTimeTexts::hour, 0, 23, "開始時間が不正です"},
       {&DateTimeTexts::minute, 0, 59, "開始分が不正です"},
       {&DateTimeTexts::second, 0, 59, "開始秒が不正です"}}}},
    {&PeriodTexts::end,
     "終了年が不正です",
     {{{&DateTimeTexts::month, 1, 12, "終了月が不正です"},
       {&DateTimeTexts::day, 1, 30, "終了日が不正です"},
       {&DateTimeTexts::hour, 0, 23, "終了時間が不正です"},
       {&DateTimeTexts::minute, 0, 59, "終了分が不正です"},
       {&DateTimeTexts::second, 0, 59, "終了秒が不正です"}}}},
}};

constexpr char orderMessage[] = "『開始≧終了』になっています";

} // namespace

std::optional<std::string> firstPeriodProblem(const PeriodTexts &texts) {
    for (const SideChecks &checks : sides) {
        const DateTimeTexts &side = texts.*checks.side;
        for (const RangeCheck &range : checks.ranges) {
            const auto value = periodFieldValue(side.*range.field);
            if (!value || *value < range.low || *value > range.high)
                return range.message;
        }
    }
    // A year that is no number would pass the order check as year 0 and be
    // saved where the count-down cannot read it. It is checked only after all
    // ten range checks, so that their messages keep their order.
    for (const SideChecks &checks : sides) {
        if (!periodFieldValue((texts.*checks.side).year))
            return checks.yearMessage;
    }
    if (periodOrderKey(texts.end) <= periodOrderKey(texts.start))
        return orderMessage;
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
