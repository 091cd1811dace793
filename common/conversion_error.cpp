#include "common/conversion_error.h"

#include <cstdint>

namespace quorvex {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int strToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) throw EConvertError(text);
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) throw EConvertError(text);
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{2147483648}) throw EConvertError(text);
    }
    if (negative) value = -value;
    if (value > 2147483647) throw EConvertError(text);
    return static_cast<int>(value);
}

}  // namespace quorvex
