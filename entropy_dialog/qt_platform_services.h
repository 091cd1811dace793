#pragma once
// The real machine behind the entropy dialog: a monotonic nanosecond clock as the counter,
// the Qt cursor, the primary screen and a Mersenne twister for the random integers.
#include <random>

#include "entropy_dialog/platform_services.h"

namespace quorvex {

class QtPlatformServices final : public PlatformServices {
public:
    std::int64_t counterFrequency() override;
    std::int64_t counter() override;
    ScreenPoint cursorPos() override;
    void setCursorPos(ScreenPoint p) override;
    std::int32_t screenWidth() override;
    void seedRandom(std::uint64_t seed) override;
    std::int32_t randomInt(std::int32_t range) override;

private:
    std::mt19937 random_;
};

}  // namespace quorvex
