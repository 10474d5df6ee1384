#pragma once

#include "Clock.h"

#include <filesystem>
#include <string>

// What every dayglass window needs from outside: the folder of Data.ini and
// Calendar.ini, and the clock. Tests pass their own.
struct DayglassContext {
    std::filesystem::path dataFolder;
    Clock clock;

    std::string dataFilePath(const char *fileName) const {
        return (dataFolder / fileName).string();
    }
};
