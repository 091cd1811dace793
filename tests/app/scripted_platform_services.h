#pragma once
// Platform services whose every value the test decides: counter readings, cursor positions
// and random integers come from queues, the screen width is fixed, and every cursor move
// and random request is recorded. An empty queue keeps the last value (the clock stands
// still, the mouse stays where it is); random integers are then 0.
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <vector>

#include "entropy_dialog/platform_services.h"

namespace quorvex::testing {

class ScriptedPlatformServices final : public PlatformServices {
public:
    std::int64_t frequency = 10'000'000;
    std::int32_t width = 1024;
    std::deque<std::int64_t> counterReadings;
    std::deque<ScreenPoint> cursorReadings;
    std::deque<std::int32_t> randomValues;

    // What the code under test did.
    int counterReads = 0;
    std::vector<std::uint64_t> seeds;
    std::vector<std::int32_t> randomRanges;
    std::vector<ScreenPoint> cursorMoves;

    // The user moving the mouse: later readings (once the queue is empty) give this spot.
    void moveCursorTo(ScreenPoint p) { cursor_ = p; }
    // The clock jumping: later readings (once the queue is empty) give this value.
    void setCounter(std::int64_t ticks) { counter_ = ticks; }

    std::int64_t counterFrequency() override { return frequency; }

    std::int64_t counter() override {
        ++counterReads;
        if (!counterReadings.empty()) {
            counter_ = counterReadings.front();
            counterReadings.pop_front();
        }
        return counter_;
    }

    ScreenPoint cursorPos() override {
        if (!cursorReadings.empty()) {
            cursor_ = cursorReadings.front();
            cursorReadings.pop_front();
        }
        return cursor_;
    }

    void setCursorPos(ScreenPoint p) override {
        cursorMoves.push_back(p);
        cursor_ = p;
    }

    std::int32_t screenWidth() override { return width; }

    void seedRandom(std::uint64_t seed) override { seeds.push_back(seed); }

    std::int32_t randomInt(std::int32_t range) override {
        randomRanges.push_back(range);
        if (randomValues.empty()) return 0;
        const std::int32_t value = randomValues.front();
        randomValues.pop_front();
        if (value < 0 || value >= range)
            throw std::logic_error("Scripted random value outside the requested range");
        return value;
    }

private:
    std::int64_t counter_ = 0;
    ScreenPoint cursor_;
};

}  // namespace quorvex::testing
