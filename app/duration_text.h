#pragma once
// Lengths of time as the window tells them to the director: "about 40 seconds", "about
// 4 minutes", "about 2 hours"; and the time a piece of work still needs, judged from how
// fast it went so far.
#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>

namespace quorvex {

QString durationText(std::chrono::seconds duration);

// The time the `left` units still take when `done` units took `elapsed`; nothing while
// too little has been seen to judge (no unit done, or under two seconds of work).
std::optional<std::chrono::seconds> remainingTime(std::chrono::milliseconds elapsed, std::uint64_t done,
                                                  std::uint64_t left);

}  // namespace quorvex
