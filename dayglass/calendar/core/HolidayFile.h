#pragma once

#include "DataFolder.h"
#include "HolidayCalendar.h"
#include "HolidayTable.h"
#include "Result.h"

#include <system_error>

// The Cabinet Office's table of holidays that the user may put beside
// Data.ini and Calendar.ini, so that holidays decided after this program was
// made show without a new one.
inline constexpr char holidayFileName[] = "syukujitsu.csv";

enum class HolidayFileProblem {
    Unreadable, // it could not be opened or read: systemError says why
    Link,       // a symbolic link, which is not followed
    NotAFile,   // a folder, pipe or device of that name
    NotATable,  // it was read, but is no table: `table` says where and why
};

struct HolidayFileError {
    HolidayFileProblem problem = HolidayFileProblem::Unreadable;
    std::error_code systemError{};
    HolidayTableError table{};

    bool operator==(const HolidayFileError &) const = default;
};

// The holidays to show: those of the table in `dataFolder` for every year it
// covers and the law's for the others, or the law's alone when the folder
// holds no table (or there is no folder). The file is read in one go, at most
// maximumHolidayTableSize bytes, and closed again; a pipe in its place is
// never waited for. A file that cannot be used is not used at all.
Result<HolidayCalendar, HolidayFileError> readHolidayCalendar(const DataFolder &dataFolder);
