#pragma once
// Board numbers and checksums as deal files write them: plain decimal digits, no sign, no
// blanks, at most a few of them, so the value always fits.
#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvex {

// The value of `text` when it is 1 to `maxDigits` decimal digits (maxDigits at most 9),
// else nothing.
inline std::optional<unsigned> decimalNumberOf(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

}  // namespace quorvex
