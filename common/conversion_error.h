#pragma once
// Decimal text to integer, with the error a director sees when a file holds something else.
#include <stdexcept>
#include <string>
#include <string_view>

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
    if (pos + 2 <= text.size()) {
        const unsigned tens = static_cast<unsigned char>(text[pos]) - unsigned{'0'};
        const unsigned units = static_cast<unsigned char>(text[pos + 1]) - unsigned{'0'};
        if (tens <= 9 && units <= 9) return static_cast<int>(tens * 10 + units);
    }
    throw EConvertError(pos < text.size() ? text.substr(pos, 2) : std::string_view{});
}

}  // namespace quorvex
