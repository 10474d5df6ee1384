#pragma once

#include "DataFolder.h"
#include "Period.h"
#include "Result.h"
#include "WriteError.h"
#include "cls_IniFile.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Data.ini: what dayglass remembers between runs, the period, the page shown
// last and the user's options. This file's functions alone know its sections
// and keys.
inline constexpr char dataFileName[] = "Data.ini";

// Data.ini holds a dozen short keys, a few hundred bytes. One far larger than
// any that dayglass writes comes from someone else; it is read as missing and
// never written, so that a read, which the focus step may make at any tick,
// costs no more than a look at its size.
inline constexpr std::uintmax_t dataFileSizeLimit = 64 * 1024;

// One side of the period as Data.ini stores it: six texts as the user typed
// them ("3" and "03" alike), converted to numbers only when computing.
struct DateTimeTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
    std::string minute;
    std::string second;

    bool operator==(const DateTimeTexts &) const = default;
};

// The six texts in the order of the dialog's fields and of Data.ini's keys.
inline constexpr std::array<std::string DateTimeTexts::*, 6> dateTimeFields = {
    &DateTimeTexts::year, &DateTimeTexts::month,  &DateTimeTexts::day,
    &DateTimeTexts::hour, &DateTimeTexts::minute, &DateTimeTexts::second};

struct PeriodTexts {
    DateTimeTexts start;
    DateTimeTexts end;

    bool operator==(const PeriodTexts &) const = default;
};

// What LoadPeriod puts on the main window: the period, when the file holds a
// usable one, and the captions of STime and ETime: the year as stored, then
// the month and the day with two digits, as 2006/03/15, or nothing when the
// side names no moment.
struct LoadedPeriod {
    std::optional<Period> period;
    std::string startCaption;
    std::string endCaption;

    bool operator==(const LoadedPeriod &) const = default;
};

// The twelve period keys of Data.ini in `dataFolder`; missing ones read "".
PeriodTexts readPeriodTexts(const DataFolder &dataFolder);

// Writes the twelve keys exactly as given, "Start" first, one key at a time;
// the first write that fails ends it and says why.
WriteResult writePeriodTexts(const DataFolder &dataFolder, const PeriodTexts &texts);

// The number that a period text holds, as the period dialog and the count-down
// read it: decimal digits with an optional sign and decimal point, blanks
// around them allowed ("07", "+9", " 3.5 "). Nothing for any other text.
std::optional<double> periodFieldValue(std::string_view text);

// The moment the six texts name, each read as a number and rounded to the
// nearest whole number (halves to the even one). Years are taken literally (6 is the year 6),
// and a day past the month's end rolls over into the next month, as 30
// February 2006 is 2 March 2006. Nothing when a text is empty or no number, or
// a value lies outside year 0-9999, month 1-12, day 1-31, hour 0-23 or minute
// and second 0-59.
std::optional<LocalSeconds> dateTimeFrom(const DateTimeTexts &texts);

// Data.ini is over dataFileSizeLimit, and so read as missing.
struct DataFileTooLarge {
    bool operator==(const DataFileTooLarge &) const = default;
};

// The page shown last, as Data.ini in `dataFolder` keeps it (0 when it keeps
// none).
using ShownPage = Result<int, DataFileTooLarge>;
ShownPage readShownPage(const DataFolder &dataFolder);

// Stores the page shown as a number written with room for its sign: a blank
// in the place of the sign, then the digit. A Data.ini without write permission is left as it is
// and that is no failure: the user who made it read-only chose that it keeps
// what it holds, and the page is saved only as a by-product of looking.
WriteResult writeShownPage(const DataFolder &dataFolder, int index);

// Reads Data.ini in `dataFolder` into the period and its captions.
LoadedPeriod readPeriod(const DataFolder &dataFolder);

// Whether the CALENDAR page shows Japan's national holidays.
enum class HolidayDisplay { Hidden, Shown };

// What Data.ini in `dataFolder` keeps of it: Shown for a stored 1 alone, so a
// file without the key, or too large to read, shows none.
HolidayDisplay readHolidayDisplay(const DataFolder &dataFolder);

// Stores it as 1 (Shown) or 0 (Hidden).
WriteResult writeHolidayDisplay(const DataFolder &dataFolder, HolidayDisplay display);

// Whether the count-down is shown in the tray.
enum class TrayChoice { Off, On };

// The choices of the TIMER page's menu. Without them, as in every file of the
// program's first versions, the tray stays off and nothing is warned of.
struct TimerOptions {
    TrayChoice tray = TrayChoice::Off;
    // One of warningLeads; 0 for none.
    std::chrono::minutes warningLead{0};

    bool operator==(const TimerOptions &) const = default;
};

// Reads them from Data.ini in `dataFolder`: the tray on for a stored 1 alone,
// and a lead that is none of the choices as none.
TimerOptions readTimerOptions(const DataFolder &dataFolder);

// Stores the tray choice as 1 or 0.
WriteResult writeTrayChoice(const DataFolder &dataFolder, TrayChoice choice);

// Stores the lead in minutes.
WriteResult writeWarningLead(const DataFolder &dataFolder, std::chrono::minutes lead);
