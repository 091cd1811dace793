#include "engine/board_line.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "common/range_error.h"

namespace quorvex {

namespace {

// "00", "01", .. "52": the two characters of each card number.
constexpr std::array<char, 2 * 53> CardDigits = [] {
    std::array<char, 2 * 53> digits{};
    for (int card = 0; card <= 52; ++card) {
        digits[2 * card] = static_cast<char>('0' + card / 10);
        digits[2 * card + 1] = static_cast<char>('0' + card % 10);
    }
    return digits;
}();

}  // namespace

void formatBoardLine(const ByHandDeal& deal, std::span<char, BoardLineLength> out) {
    if (!std::all_of(deal.begin(), deal.end(), [](std::uint8_t card) { return card >= 1 && card <= 52; }))
        throw ERangeError();
    for (std::size_t i = 0; i < deal.size(); ++i)
        std::memcpy(&out[2 * i], &CardDigits[2 * std::size_t{deal[i]}], 2);
}

std::string boardLine(const ByHandDeal& deal) {
    std::string line(BoardLineLength, '0');
    formatBoardLine(deal, std::span<char, BoardLineLength>(line.data(), BoardLineLength));
    return line;
}

}  // namespace quorvex
