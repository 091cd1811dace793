#pragma once
// What the entropy dialog reads from the machine: a high-resolution counter, the mouse
// cursor, the screen width and uniform random integers. The desktop program uses the real
// machine; tests script every value so the entropy text can be checked digit by digit.
#include <cstdint>

namespace quorvex {

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    virtual std::int64_t counterFrequency() = 0;  // ticks per second; 0 = no usable counter
    virtual std::int64_t counter() = 0;           // current reading
    virtual ScreenPoint cursorPos() = 0;
    virtual void setCursorPos(ScreenPoint p) = 0;
    virtual std::int32_t screenWidth() = 0;
    virtual void seedRandom(std::uint64_t seed) = 0;
    virtual std::int32_t randomInt(std::int32_t range) = 0;  // uniform 0..range-1
};

}  // namespace quorvex
