#include "PeriodWarningWatch.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

const LocalSeconds end = local_days{2006y / March / 5} + 9h;
const Period period{end - days{30}, end}, later{end, end + 2h};

// A load of a period, a choice of lead, or a tick that warns of the end of
// the period loaded last or not.
struct Step {
    enum class Kind { Load, Choose, Tick } kind;
    LocalSeconds at;
    std::optional<Period> loaded{};
    minutes lead{};
    bool warns = false;
};

TEST(PeriodWarningWatchTest, WarnsOncePerPeriodAndLeadAtTheLead) {
    using enum Step::Kind;
    const std::vector<Step> rows[] = {
        // 15 minutes before, once, and not again at the end.
        {{Choose, end - 1h, {}, 15min},
         {Load, end - 1h, period},
         {Tick, end - 15min - 1s},
         {Tick, end - 15min, {}, {}, true},
         {Tick, end - 1min},
         {Tick, end}},
        // Loaded or chosen once already that close: never.
        {{Choose, end, {}, 15min}, {Load, end - 10min, period}, {Tick, end - 9min}},
        {{Load, end - 1h, period}, {Choose, end - 10min, {}, 15min}, {Tick, end - 9min}},
        // A late tick still warns while the period runs, not once it ended.
        {{Choose, end - 2h, {}, 1h}, {Load, end - 2h, period}, {Tick, end - 1s, {}, {}, true}},
        {{Choose, end - 2h, {}, 5min}, {Load, end - 2h, period}, {Tick, end + 1s}, {Tick, end}},
        // None chosen, then a new choice and a new period each warn again.
        {{Load, end - 1h, period}, {Tick, end - 1s}},
        {{Choose, end - 1h, {}, 15min},
         {Load, end - 1h, period},
         {Tick, end - 15min, {}, {}, true},
         {Choose, end - 15min, {}, 5min},
         {Tick, end - 5min, {}, {}, true},
         {Load, end - 5min, period},
         {Tick, end - 1min},
         {Load, end - 1min, later},
         {Tick, later.end - 5min, {}, {}, true}},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        PeriodWarningWatch watch;
        std::optional<Period> loaded;
        for (const Step &step : rows[row]) {
            switch (step.kind) {
            case Load:
                watch.periodLoaded(step.loaded, step.at);
                loaded = step.loaded;
                break;
            case Choose:
                watch.leadChosen(step.lead, step.at);
                break;
            case Tick:
                EXPECT_EQ(watch.reachedWarning(countDown(loaded, step.at)),
                          step.warns ? std::optional(loaded->end) : std::nullopt)
                    << row << " at " << (step.at - end).count();
            }
        }
    }
}

} // namespace
