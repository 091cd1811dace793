#include "app/duration_text.h"

#include <cmath>

namespace quorvex {

namespace {

QString count(long long number, const char* unit) {
    return QStringLiteral("about %1 %2%3").arg(number).arg(QLatin1String(unit)).arg(number == 1 ? "" : "s");
}

}  // namespace

QString durationText(std::chrono::seconds duration) {
    const long long seconds = std::max<long long>(duration.count(), 1);
    if (seconds < 90) return count(seconds, "second");
    if (seconds < 90 * 60) return count(std::llround(seconds / 60.0), "minute");
    return count(std::llround(seconds / 3600.0), "hour");
}

std::optional<std::chrono::seconds> remainingTime(std::chrono::milliseconds elapsed, std::uint64_t done,
                                                  std::uint64_t left) {
    using namespace std::chrono_literals;
    if (done == 0 || elapsed < 2s) return std::nullopt;
    const double perUnit = std::chrono::duration<double>(elapsed).count() / static_cast<double>(done);
    return std::chrono::seconds(std::llround(perUnit * static_cast<double>(left)));
}

}  // namespace quorvex
