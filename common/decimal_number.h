#pragma once
// Decimal digits to a number: board numbers, checksums, card numbers, header fields and
// dates are all read by this one function.
#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvex {

// The value of `text` when it is 1 to `maxDigits` decimal digits and nothing else: no sign,
// no blanks (maxDigits at most 19, so the value always fits).
inline std::optional<unsigned long long> decimalNumberOf(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    unsigned long long value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace quorvex
