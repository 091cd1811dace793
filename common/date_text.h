#pragma once
// Calendar dates as the run's files print them.
#include <chrono>
#include <string>

namespace quorvex {

// Year, month and day with four, two and two digits joined by `separator`:
// "2026.12.08" with '.', "2026-12-08" with '-'.
std::string dateText(std::chrono::year_month_day date, char separator);

// Today in the computer's local time zone: the day a director sees on the calendar.
std::chrono::year_month_day localToday();

}  // namespace quorvex
