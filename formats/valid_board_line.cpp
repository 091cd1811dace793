#include "formats/valid_board_line.h"

#include "common/conversion_error.h"
#include "common/range_error.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace quorvex {

namespace {

constexpr std::size_t CardsPerHand = 13;
constexpr std::size_t CardsPerDeal = 52;
constexpr std::size_t LineLength = 2 * CardsPerDeal;
constexpr std::uint64_t EveryCard = ((std::uint64_t{1} << 52) - 1) << 1; // bits 1..52

unsigned digitValue(char c) { return static_cast<unsigned char>(c) - unsigned{'0'}; } // above 9: no digit

// Eight characters of the line as one number, the first character in the lowest byte.
std::uint64_t eightCharacters(const char* text) {
    std::uint64_t chunk = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&chunk, text, 8);
    } else {
        for (std::size_t i = 0; i < 8; ++i) chunk |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    }
    return chunk;
}

// Lane masks for four 16-bit lanes holding one card number each.
constexpr std::uint64_t LaneOnes = 0x0001000100010001;
constexpr std::uint64_t LaneTops = 0x8000800080008000;

// Per chunk of four fields, the top bits of the lanes whose field does not start a hand
// (fields 0, 13, 26 and 39 start one): only those must lie above the card before them.
constexpr std::array<std::uint64_t, 13> ContinuesHand = [] {
    std::array<std::uint64_t, 13> masks{};
    for (std::size_t field = 0; field < CardsPerDeal; ++field)
        if (field % CardsPerHand != 0) masks[field / 4] |= std::uint64_t{0x8000} << (16 * (field % 4));
    return masks;
}();

// The common case, checked four fields at a time without a branch per field: 104 digits
// whose card numbers lie in 1..52, ascend within each hand and cover every card (so none
// occurs twice). The lane arithmetic never borrows or carries across lanes, since every
// lane value stays below 100 before the top bit is set.
bool isWholeDeal(const std::string& line) {
    if (line.size() != LineLength) return false;
    constexpr std::uint64_t HighNibbles = 0xF0F0F0F0F0F0F0F0, Zeros = 0x3030303030303030;
    std::uint64_t defect = 0, seen = 0, previousCard = 0;
    for (std::size_t chunk = 0; chunk < LineLength / 8; ++chunk) {
        const std::uint64_t text = eightCharacters(line.data() + 8 * chunk);
        // A digit is 0x30..0x39: high nibble 3, and adding 6 does not carry out of the low one.
        defect |= ((text & HighNibbles) ^ Zeros) | (((text + 0x0606060606060606) & HighNibbles) ^ Zeros);
        if (defect != 0) return false; // the lane arithmetic below needs digits
        // Byte pairs (tens, units) become tens x 10 + units in each 16-bit lane.
        const std::uint64_t digits = text - Zeros;
        const std::uint64_t cards = (digits * 10 + (digits >> 8)) & 0x00FF00FF00FF00FF;
        // Top bit set where a card exceeds 52, or is not above the card in the lane before.
        const std::uint64_t above52 = (cards + (0x7FFF - 52) * LaneOnes) & LaneTops;
        const std::uint64_t before = (cards << 16) | previousCard;
        const std::uint64_t notAbove = ~((cards | LaneTops) - before - LaneOnes) & LaneTops;
        defect |= above52 | (notAbove & ContinuesHand[chunk]);
        const auto bit = [](std::uint64_t card) { return std::uint64_t{1} << (card & 63); };
        seen |= bit(cards) | bit(cards >> 16) | bit(cards >> 32) | bit(cards >> 48);
        previousCard = cards >> 48;
    }
    // Card 0 sets bit 0, which the whole deal lacks.
    return defect == 0 && seen == EveryCard;
}

// The card number in the field at `pos`; a field that is not two digits (or is cut short
// by the end of the line) raises the conversion error with its text.
int cardAt(const std::string& line, std::size_t pos) {
    if (pos + 1 < line.size() && digitValue(line[pos]) <= 9 && digitValue(line[pos + 1]) <= 9)
        return static_cast<int>(digitValue(line[pos]) * 10 + digitValue(line[pos + 1]));
    return twoDigitNumber(line, pos);
}

// Raises the error of the first defect, in reading order, of a line that is not a whole deal.
[[noreturn]] void throwFirstDefect(const std::string& line) {
    std::uint64_t seen = 0;
    int previous = 0;
    for (std::size_t field = 0; field < CardsPerDeal; ++field) {
        if (field % CardsPerHand == 0) previous = 0;
        const int card = cardAt(line, 2 * field);
        if (card <= previous || card > 52 || ((seen >> card) & 1) != 0) throw ERangeError();
        seen |= std::uint64_t{1} << card;
        previous = card;
    }
    throw EConvertError(std::string_view(line).substr(LineLength)); // characters after the 104th
}

} // namespace

ValidBoardLine::ValidBoardLine(std::string line) : line_(std::move(line)) {
    if (!isWholeDeal(line_)) throwFirstDefect(line_);
}

} // namespace quorvex
