#include "PeriodValidation.h"

#include "AsciiText.h"
#include "PaddedText.h"

#include <array>
#include <cstdlib>

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

// The last `width` characters of the text with "00" put in front.
std::string lastDigits(const std::string &text, std::size_t width) {
    return paddedRight("00", trimmed(text), width);
}

} // namespace

std::optional<std::string> firstPeriodProblem(const PeriodTexts &texts) {
    for (const SideChecks &checks : sides) {
        const DateTimeTexts &side = texts.*checks.side;
        for (const RangeCheck &range : checks.ranges) {
            const auto value = decimalNumber(trimmed(side.*range.field));
            if (!value || *value < range.low || *value > range.high)
                return range.message;
        }
    }
    // A year that is no number would pass the order check as year 0 and be
    // saved where the count-down cannot read it. It is checked only after all
    // ten range checks, so that their messages keep their order.
    for (const SideChecks &checks : sides) {
        if (!decimalNumber(trimmed((texts.*checks.side).year)))
            return checks.yearMessage;
    }
    if (periodOrderKey(texts.end) <= periodOrderKey(texts.start))
        return orderMessage;
    return std::nullopt;
}

double periodOrderKey(const DateTimeTexts &texts) {
    const std::string key = lastDigits(texts.year, 4) + lastDigits(texts.month, 2) +
                            lastDigits(texts.day, 2) + lastDigits(texts.hour, 2) +
                            lastDigits(texts.minute, 2) + lastDigits(texts.second, 2);
    return std::strtod(key.c_str(), nullptr);
}

bool isRefusedFieldCharacter(char32_t character) {
    const bool control = character < U' ' || (character >= U'\x7f' && character <= U'\x9f');
    const bool digit = character >= U'0' && character <= U'9';
    return !control && !digit;
}
