#include "PeriodEndWatch.h"

#include "EndNoticeText.h"

#include <gtest/gtest.h>
#include <vector>

using namespace std::chrono;

namespace {

const LocalSeconds end = local_days{2006y / March / 5} + 9h;
const Period period{end - days{30}, end};
const Period later{end, end + 1h};
const Period ended{end - 2h, end - 1h};

// A load of a period, or a tick with the end it should tell.
struct Step {
    std::optional<std::optional<Period>> loaded;
    LocalSeconds at;
    std::optional<LocalSeconds> told;
};
Step load(std::optional<Period> period, LocalSeconds at) {
    return {period, at, std::nullopt};
}
Step tick(LocalSeconds at, std::optional<LocalSeconds> told = std::nullopt) {
    return {std::nullopt, at, told};
}

TEST(PeriodEndWatch, TellsEachEndOnceWhenATickFindsIt) {
    const std::pair<const char *, std::vector<Step>> rows[] = {
        {"at the end second, once",
         {load(period, end - 10s), tick(end - 1s), tick(end, end), tick(end + 1s)}},
        {"a late tick still tells", {load(period, end - 10s), tick(end + 1h, end)}},
        {"before the start", {load(period, period.start - 1h), tick(end, end)}},
        {"ended at start-up", {load(period, end + 1s), tick(end + 2s)}},
        {"loaded at its end second", {load(period, end), tick(end)}},
        {"no usable period", {load(std::nullopt, end - 1s), tick(end + 1s)}},
        {"a new running period arms again",
         {load(period, end - 1s), tick(end, end), load(later, end), tick(later.end, later.end)}},
        {"a saved period that has ended replaces the running one",
         {load(period, end - 3h), load(ended, end - 10s), tick(end)}},
        {"the same period reloaded after its end is still told",
         {load(period, end - 1s), load(period, end), tick(end, end)}},
        {"the same period reloaded after it was told stays quiet",
         {load(period, end - 1s), tick(end, end), load(period, end + 1s), tick(end + 2s)}},
    };
    for (const auto &[name, steps] : rows) {
        PeriodEndWatch watch;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (steps[i].loaded)
                watch.periodLoaded(*steps[i].loaded, steps[i].at);
            else
                EXPECT_EQ(watch.reachedEnd(steps[i].at), steps[i].told) << name << ", step " << i;
        }
    }
}

TEST(PeriodEndWatch, NoticeNamesTheMomentOfTheEnd) {
    const std::pair<DateTimeTexts, const char *> rows[] = {
        {{"2006", "3", "5", "9", "0", "0"}, "設定した期間が終了しました（2006/03/05 09:00:00）"},
        {{"2006", "12", "30", "23", "59", "59"},
         "設定した期間が終了しました（2006/12/30 23:59:59）"},
        {{"6", "02", "30", "0", "00", "7"}, "設定した期間が終了しました（0006/03/02 00:00:07）"},
    };
    for (const auto &[texts, body] : rows)
        EXPECT_EQ(endNoticeBody(*dateTimeFrom(texts)), body) << texts.year;
}

} // namespace
