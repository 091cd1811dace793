#include "common/conversion_error.h"

#include <cstdint>

namespace quorvex {

int strToInt(std::string_view text) {
    std::string_view digits = text;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    const bool negative = digits.starts_with('-');
    if (negative || digits.starts_with('+')) digits.remove_prefix(1);
    const std::optional<unsigned long long> magnitude = decimalNumberOf(digits, 19);
    if (!magnitude || *magnitude > std::uint64_t{2147483647} + negative) throw EConvertError(text);
    return static_cast<int>(negative ? -static_cast<std::int64_t>(*magnitude)
                                     : static_cast<std::int64_t>(*magnitude));
}

}  // namespace quorvex
