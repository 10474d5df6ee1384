#include "PeriodEndWatch.h"

#include "EndNoticeText.h"

#include <gtest/gtest.h>
#include <vector>

using namespace std::chrono;

namespace {

const LocalSeconds end = local_days{2006y / March / 5} + 9h;
const Period period{end - days{30}, end};
const Period later{end, end + 1h};

// A load of a period (`told` unset) or a tick with the end it should tell.
struct Step {
    std::optional<Period> loaded;
    LocalSeconds at;
    std::optional<LocalSeconds> told;
};
Step load(const Period &loaded, LocalSeconds at) {
    return {loaded, at, std::nullopt};
}
Step tick(LocalSeconds at, std::optional<LocalSeconds> told = std::nullopt) {
    return {std::nullopt, at, told};
}

TEST(PeriodEndWatch, TellsEachEndOnceWhenATickFindsIt) {
    const std::pair<const char *, std::vector<Step>> rows[] = {
        {"once", {load(period, end - 9s), tick(end - 1s), tick(end, end), tick(end + 1s)}},
        {"by a late tick", {load(period, end - 9s), tick(end + 1h, end)}},
        {"not when ended at the load", {load(period, end), tick(end + 1s)}},
        {"again for a new period",
         {load(period, end - 1s), tick(end, end), load(later, end), tick(later.end, later.end)}},
        {"not for a saved one that has ended",
         {load(period, end - 3h), load({end - 2h, end - 1h}, end - 9s), tick(end)}},
        {"for the same one reloaded after its end",
         {load(period, end - 1s), load(period, end), tick(end, end)}},
        {"not for the same one reloaded once told",
         {load(period, end - 1s), tick(end, end), load(period, end), tick(end + 1s)}},
    };
    for (const auto &[name, steps] : rows) {
        PeriodEndWatch watch;
        for (const Step &step : steps) {
            if (step.loaded)
                watch.periodLoaded(step.loaded, step.at);
            else
                EXPECT_EQ(watch.reachedEnd(step.at), step.told) << name;
        }
    }
}

TEST(PeriodEndWatch, NoticeNamesTheMomentOfTheEnd) {
    const std::pair<DateTimeTexts, const char *> rows[] = {
        {{"2006", "3", "5", "9", "0", "0"}, "設定した期間が終了しました（2006/03/05 09:00:00）"},
        {{"6", "02", "30", "23", "59", "7"}, "設定した期間が終了しました（0006/03/02 23:59:07）"},
    };
    for (const auto &[texts, body] : rows)
        EXPECT_EQ(endNoticeBody(*dateTimeFrom(texts)), body) << texts.year;
}

} // namespace
