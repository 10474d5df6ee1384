#include "DailyCalendar.h"

#include "DaySection.h"
#include "TemporaryFolder.h"
#include "TextEncoding.h"

#include <cstdio>

using namespace std::chrono;

void writeDailyCalendar(const std::filesystem::path &folder, year first, year last) {
    std::string content;
    for (local_days day{first / January / 1}; day < local_days{(last + years{1}) / January / 1};
         day += days{1}) {
        const year_month_day date{day};
        char name[32];
        std::snprintf(name, sizeof name, "%04d/%02u/%02u", int(date.year()), unsigned(date.month()),
                      unsigned(date.day()));

        content += "[" + std::string(name) + WeekdayMark(weekday{day}) + "]\r\n";
        content += "Text=" + std::string(name) + " の予定：買い物#CR#夜は友人と食事\r\n";
        content += "Collar=" + std::to_string((unsigned(date.day()) * 40503u) % 16777216u) + "\r\n";
    }
    writeBytes(folder / "Calendar.ini", encodeText(content, TextEncoding::Cp932));
}
