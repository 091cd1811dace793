#include "common/date_text.h"

#include <cstdio>
#include <ctime>

namespace quorvex {

std::string dateText(std::chrono::year_month_day date, char separator) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%c%02u%c%02u", static_cast<int>(date.year()), separator,
                  static_cast<unsigned>(date.month()), separator, static_cast<unsigned>(date.day()));
    return text;
}

std::chrono::year_month_day localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace quorvex
