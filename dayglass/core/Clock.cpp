#include "Clock.h"

#include <ctime>

LocalSeconds systemLocalNow() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return local_days{date} + hours{local.tm_hour} + minutes{local.tm_min} +
           seconds{std::min(local.tm_sec, 59)};
}
