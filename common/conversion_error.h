#pragma once
// Decimal text to integer, with the error a director sees when a file holds something else.
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/decimal_number.h"
#include "common/error_texts.h"

namespace quorvex {

struct EConvertError : std::runtime_error {
    explicit EConvertError(std::string_view text) : std::runtime_error(error_text::notAnInteger(text)) {}
};

// Leading blanks are skipped, an optional sign and at least one decimal digit must follow,
// and nothing after the digits. Values outside the 32-bit signed range are not integers either.
int strToInt(std::string_view text);

// Two decimal digits at text[pos], pos+1 (a card number in a board line). Anything else,
// including a field cut short by the end of the line, raises the conversion error.
// Inline: it runs for every card of every board in each format.
inline int twoDigitNumber(std::string_view text, std::size_t pos) {
    if (pos + 2 <= text.size())
        if (const auto number = decimalNumberOf(text.substr(pos, 2), 2); number)
            return static_cast<int>(*number);
    throw EConvertError(pos < text.size() ? text.substr(pos, 2) : std::string_view{});
}

}  // namespace quorvex
