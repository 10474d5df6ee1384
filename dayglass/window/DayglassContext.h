#pragma once

#include "Clock.h"

#include <filesystem>

// What every dayglass window needs from outside: the folder of Data.ini and
// Calendar.ini, and the clock. Tests pass their own.
struct DayglassContext {
    // Empty when there is nowhere to keep the files (see dataFolderFor).
    std::filesystem::path dataFolder;
    LocalClock clock;
};
