#include "entropy_dialog/qt_platform_services.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <chrono>
#include <stdexcept>

namespace quorvex {

namespace {
using Ticks = std::chrono::nanoseconds;
}  // namespace

std::int64_t QtPlatformServices::counterFrequency() {
    return std::chrono::duration_cast<Ticks>(std::chrono::seconds(1)).count();
}

std::int64_t QtPlatformServices::counter() {
    return std::chrono::duration_cast<Ticks>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

ScreenPoint QtPlatformServices::cursorPos() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void QtPlatformServices::setCursorPos(ScreenPoint p) { QCursor::setPos(p.x, p.y); }

std::int32_t QtPlatformServices::screenWidth() {
    // The primary screen, like the width of "the" screen on a single-monitor desktop.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

void QtPlatformServices::seedRandom(std::uint64_t seed) {
    // Both halves of the reading go into the seed, so no bit of the counter is lost.
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    random_.seed(sequence);
}

std::int32_t QtPlatformServices::randomInt(std::int32_t range) {
    if (range < 1) throw std::invalid_argument("A random range needs at least one value");
    return std::uniform_int_distribution<std::int32_t>(0, range - 1)(random_);
}

}  // namespace quorvex
