#pragma once

#include "Clock.h"
#include "cls_IniFile.h"

#include <filesystem>
#include <string>

// What every dayglass window needs from outside: the folder of Data.ini and
// Calendar.ini, and the clock. Tests pass their own.
struct DayglassContext {
    // Empty when there is nowhere to keep the files (see dataFolderFor).
    std::filesystem::path dataFolder;
    Clock clock;

    // The file's full path; empty without a data folder, so that it reads as
    // missing and every write to it reports that there is no folder, instead
    // of naming a file in whatever the current folder is.
    std::string dataFilePath(const char *fileName) const {
        return iniFileIn(dataFolder, fileName).Name();
    }
};
