#include "PeriodEndWatch.h"

#include "DataFile.h"
#include "EndMoment.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

const LocalSeconds end = local_days{2006y / March / 5} + 9h;
const Period period{end - days{30}, end}, later{end, end + 1h}, ended{end - 2h, end - 1h};

// A load of a period, or (without one) a tick that tells the end of the
// period loaded last or nothing.
struct Step {
    std::optional<Period> loaded;
    LocalSeconds at;
    bool tells = false;
};

TEST(PeriodEndWatchTest, TellsEachEndOnceWhenATickFindsIt) {
    const std::vector<Step> rows[] = {
        {{period, end - 9s}, {{}, end - 1s}, {{}, end, true}, {{}, end + 1s}}, // once
        {{period, end - 9s}, {{}, end + 1h, true}},                            // a late tick
        {{period, end}, {{}, end + 1s}},                                       // ended when loaded
        {{period, end - 1s}, {{}, end, true}, {later, end}, {{}, later.end, true}}, // a new one
        {{period, end - 9s}, {ended, end - 9s}, {{}, end}},              // an ended one saved
        {{period, end - 1s}, {period, end}, {{}, end, true}},            // reloaded unchanged
        {{period, end - 1s}, {{}, end, true}, {period, end}, {{}, end}}, // reloaded when told
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        PeriodEndWatch watch;
        std::optional<Period> loaded;
        for (const Step &step : rows[row]) {
            if (step.loaded) {
                watch.periodLoaded(step.loaded, step.at);
                loaded = step.loaded;
            } else {
                EXPECT_EQ(watch.reachedEnd(countDown(loaded, step.at)),
                          step.tells ? std::optional(loaded->end) : std::nullopt)
                    << row;
            }
        }
    }
}

// The moment of the end, rolled over from a day past the month's end. The
// notice's wording around it is checked where the notifier sends it.
TEST(PeriodEndWatchTest, NoticeNamesTheMomentOfTheEnd) {
    EXPECT_EQ(endMomentText(*dateTimeFrom({"6", "02", "30", "23", "59", "7"})),
              "0006/03/02 23:59:07");
}

} // namespace
