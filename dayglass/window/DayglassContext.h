#pragma once

#include "Clock.h"
#include "DataFolder.h"

// What every dayglass window needs from outside: the folder of Data.ini and
// Calendar.ini, and the clock. Tests pass their own.
struct DayglassContext {
    // See dataFolderFor.
    DataFolder dataFolder;
    LocalClock clock;
};
