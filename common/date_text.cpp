#include "common/date_text.h"

#include <cstdio>
#include <ctime>

#include "common/decimal_number.h"

namespace quorvex {

std::string dateText(std::chrono::year_month_day date, char separator) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%c%02u%c%02u", static_cast<int>(date.year()), separator,
                  static_cast<unsigned>(date.month()), separator, static_cast<unsigned>(date.day()));
    return text;
}

std::optional<std::chrono::year_month_day> dateOfText(std::string_view text, char separator) {
    if (text.size() != 10 || text[4] != separator || text[7] != separator) return std::nullopt;
    const auto year = decimalNumberOf(text.substr(0, 4), 4);
    const auto month = decimalNumberOf(text.substr(5, 2), 2);
    const auto day = decimalNumberOf(text.substr(8, 2), 2);
    if (!year || !month || !day) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(*year)},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return date;
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
