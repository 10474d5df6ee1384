// Any file handed to the import: it is read or refused, within its budgets
// of days and of work, and what it adds is a note the file can hold on one
// line. Its rules and time zones are bounded by the steps they spend.

#include "FuzzCheck.h"
#include "ICalendarNotes.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    // A small budget, so that each input costs little whatever its rules.
    constexpr std::size_t dayLimit = 5000;
    constexpr std::size_t workLimit = 200'000;
    WorkBudget work(workLimit);
    const auto read = additionsFromICalendar(input, dayLimit, work);
    require(work.spent() <= workLimit, "the work stays within its budget");
    if (!read)
        return 0;
    require(read->days.size() <= dayLimit, "the days stay within the budget");
    for (const std::string &text : read->texts)
        require(text.find_first_of("\r\n") == std::string::npos, "a text stays on one line");
    for (const auto &[date, texts] : read->days) {
        require(date.ok(), "every day is a real date");
        for (const std::size_t index : texts)
            require(index < read->texts.size(), "every day names one of the texts");
    }
    return 0;
}
