#include "DataFile.h"

#include "AsciiText.h"
#include "PaddedText.h"
#include "PeriodWarningWatch.h"
#include "WriteAccess.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// The period: a section for each end, "Start" first, with six keys in the
// order of the period dialog's fields.
constexpr std::array<std::pair<const char *, DateTimeTexts PeriodTexts::*>, 2> periodSections = {
    {{"Start", &PeriodTexts::start}, {"End", &PeriodTexts::end}}};
constexpr std::array<const char *, 6> periodFieldKeys = {"Year", "Month",  "Day",
                                                         "Hour", "Minute", "Second"};

// The page shown last, stored as a blank and its number.
constexpr char shownPageSection[] = "EntSS";
constexpr char shownPageKey[] = "Inf";

// What the user chooses beyond the period, one key each, in a section that
// the program's first files never held.
constexpr char optionsSection[] = "Options";
constexpr char holidaysKey[] = "Holidays";
constexpr char trayKey[] = "Tray";
constexpr char warningLeadKey[] = "WarnBefore";

// An accessor on Data.ini in `dataFolder`, which takes a file larger than
// dataFileSizeLimit for none.
cls_IniFile dataFileIn(const DataFolder &dataFolder) {
    return iniFileIn(dataFolder, dataFileName, dataFileSizeLimit);
}

// A period text as a whole number within [low, high].
std::optional<int> numberIn(const std::string &text, int low, int high) {
    const auto value = periodFieldValue(text);
    if (!value)
        return std::nullopt;
    const double whole = std::nearbyint(*value);
    if (whole < low || whole > high)
        return std::nullopt;
    return static_cast<int>(whole);
}

std::string dateCaption(const DateTimeTexts &texts) {
    if (!dateTimeFrom(texts))
        return {};
    return texts.year + "/" + leftPadded("0", texts.month, 2) + "/" + leftPadded("0", texts.day, 2);
}

WriteResult writeOption(const DataFolder &dataFolder, const char *key, std::string_view value) {
    return dataFileIn(dataFolder).SetDataStr(optionsSection, key, value);
}

} // namespace

ShownPage readShownPage(const DataFolder &dataFolder) {
    const cls_IniFile ini = dataFileIn(dataFolder);
    const int index = ini.GetDataInt(shownPageSection, shownPageKey);
    if (ini.IsTooLarge())
        return Failure{DataFileTooLarge{}};
    return index;
}

WriteResult writeShownPage(const DataFolder &dataFolder, int index) {
    const WriteResult written =
        dataFileIn(dataFolder)
            .SetDataStr(shownPageSection, shownPageKey, " " + std::to_string(index));
    if (written || written.error().problem != WriteProblem::ReadOnly)
        return written;
    const Result<void, std::error_code> access = writeAccess(written.error().path);
    return !access && access.error() == std::errc::permission_denied ? WriteResult() : written;
}

PeriodTexts readPeriodTexts(const DataFolder &dataFolder) {
    const cls_IniFile ini = dataFileIn(dataFolder);
    PeriodTexts texts;
    for (const auto &[section, side] : periodSections) {
        for (std::size_t i = 0; i < dateTimeFields.size(); ++i)
            (texts.*side).*dateTimeFields[i] = ini.GetDataStr(section, periodFieldKeys[i]);
    }
    return texts;
}

WriteResult writePeriodTexts(const DataFolder &dataFolder, const PeriodTexts &texts) {
    cls_IniFile ini = dataFileIn(dataFolder);
    for (const auto &[section, side] : periodSections) {
        for (std::size_t i = 0; i < dateTimeFields.size(); ++i) {
            const std::string &text = (texts.*side).*dateTimeFields[i];
            if (WriteResult written = ini.SetDataStr(section, periodFieldKeys[i], text); !written)
                return written;
        }
    }
    return {};
}

std::optional<double> periodFieldValue(std::string_view text) {
    text = trimmed(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    // from_chars takes no sign of its own but "-", and reads exponents too.
    if (text.empty() || text.find_first_not_of("0123456789.") != text.npos ||
        text.find_first_of("0123456789") == text.npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<LocalSeconds> dateTimeFrom(const DateTimeTexts &texts) {
    using namespace std::chrono;
    const auto year = numberIn(texts.year, 0, 9999);
    const auto month = numberIn(texts.month, 1, 12);
    const auto day = numberIn(texts.day, 1, 31);
    const auto hour = numberIn(texts.hour, 0, 23);
    const auto minute = numberIn(texts.minute, 0, 59);
    const auto second = numberIn(texts.second, 0, 59);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    const local_days firstOfMonth{std::chrono::year{*year} / *month / 1};
    return firstOfMonth + days{*day - 1} + hours{*hour} + minutes{*minute} + seconds{*second};
}

LoadedPeriod readPeriod(const DataFolder &dataFolder) {
    const PeriodTexts texts = readPeriodTexts(dataFolder);
    LoadedPeriod loaded{std::nullopt, dateCaption(texts.start), dateCaption(texts.end)};
    const auto start = dateTimeFrom(texts.start);
    const auto end = dateTimeFrom(texts.end);
    if (start && end)
        loaded.period = Period{*start, *end};
    return loaded;
}

HolidayDisplay readHolidayDisplay(const DataFolder &dataFolder) {
    return dataFileIn(dataFolder).GetDataInt(optionsSection, holidaysKey) == 1
               ? HolidayDisplay::Shown
               : HolidayDisplay::Hidden;
}

WriteResult writeHolidayDisplay(const DataFolder &dataFolder, HolidayDisplay display) {
    return writeOption(dataFolder, holidaysKey, display == HolidayDisplay::Shown ? "1" : "0");
}

TimerOptions readTimerOptions(const DataFolder &dataFolder) {
    const cls_IniFile ini = dataFileIn(dataFolder);
    TimerOptions options;
    if (ini.GetDataInt(optionsSection, trayKey) == 1)
        options.tray = TrayChoice::On;
    const std::chrono::minutes lead{ini.GetDataInt(optionsSection, warningLeadKey)};
    if (std::ranges::find(warningLeads, lead) != warningLeads.end())
        options.warningLead = lead;
    return options;
}

WriteResult writeTrayChoice(const DataFolder &dataFolder, TrayChoice choice) {
    return writeOption(dataFolder, trayKey, choice == TrayChoice::On ? "1" : "0");
}

WriteResult writeWarningLead(const DataFolder &dataFolder, std::chrono::minutes lead) {
    return writeOption(dataFolder, warningLeadKey, std::to_string(lead.count()));
}
