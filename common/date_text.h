#pragma once
// Calendar dates as the run's files print them.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// Year, month and day with four, two and two digits joined by `separator`:
// "2026.12.08" with '.', "2026-12-08" with '-'.
std::string dateText(std::chrono::year_month_day date, char separator);

// The date of a text dateText wrote with `separator`; none for any other text (also
// "2026.??.??", a date PBN files leave partly unknown).
std::optional<std::chrono::year_month_day> dateOfText(std::string_view text, char separator);

// Today in the computer's local time zone: the day a director sees on the calendar.
std::chrono::year_month_day localToday();

}  // namespace quorvex
