#include "EndMoment.h"

#include <cstdio>

std::string endMomentText(LocalSeconds end) {
    using namespace std::chrono;
    const local_days day = floor<days>(end);
    const year_month_day date{day};
    const hh_mm_ss time{end - day};
    // The buffer fits every value of the types, not only the years 0-9999 a
    // period can hold, so the text is never cut whatever the compiler proves.
    char moment[80];
    std::snprintf(moment, sizeof moment, "%04d/%02u/%02u %02d:%02d:%02d", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()));
    return moment;
}
