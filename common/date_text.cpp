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

std::optional<std::chrono::year_month_day> dateOfText(std::string_view text, char separator) {
    if (text.size() != 10 || text[4] != separator || text[7] != separator) return std::nullopt;
    for (const std::size_t at : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const std::chrono::year_month_day date{std::chrono::year{number(0, 4)},
                                           std::chrono::month{static_cast<unsigned>(number(5, 2))},
                                           std::chrono::day{static_cast<unsigned>(number(8, 2))}};
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
