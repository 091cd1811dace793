#pragma once
// Tick differences, mouse distances and cursor coordinates of the entropy dialog are
// checked: an overflow raises an error instead of wrapping into a plausible wrong number.
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "common/error_texts.h"

namespace quorvex {

[[noreturn]] inline void throwIntegerOverflow() { throw std::overflow_error(error_text::IntegerOverflow); }

inline std::int64_t checkedSubtract(std::int64_t a, std::int64_t b) {
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    if ((b > 0 && a < min + b) || (b < 0 && a > max + b)) throwIntegerOverflow();
    return a - b;
}

inline std::int32_t checkedNarrow(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throwIntegerOverflow();
    return static_cast<std::int32_t>(value);
}

inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b) { return checkedNarrow(std::int64_t{a} + b); }

// abs(a - b) as a 32-bit value.
inline std::int32_t checkedDistance(std::int32_t a, std::int32_t b) {
    const std::int64_t difference = std::int64_t{a} - b;
    return checkedNarrow(difference < 0 ? -difference : difference);
}

}  // namespace quorvex
