#include "engine/valid_board_line.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "engine/cards.h"

namespace quorvex {

namespace {

constexpr std::uint64_t EveryCard = ((std::uint64_t{1} << CardsPerDeal) - 1) << 1;  // bits 1..52

// The byte `b` in every byte of a word.
constexpr std::uint64_t everyByte(std::uint8_t b) { return 0x0101010101010101u * b; }

// Eight characters as one word, the first in the lowest byte: one load on the little-endian
// machines we build for, byte by byte on any other.
std::uint64_t eightCharacters(const char* text) {
    std::uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little)
        std::memcpy(&word, text, sizeof word);
    else
        for (unsigned i = 0; i < 8; ++i)
            word |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    return word;
}

}  // namespace

// Every board of every set passes here, once per reading of the main deal file: a sound
// line is read eight digits at a time without branching on them; only a damaged line is
// read again, field by field, to name its first defect.
ValidBoardLine::ValidBoardLine(std::string_view line) {
    if (line.size() == BoardLineLength) {
        std::copy(line.begin(), line.end(), digits_.begin());
        if (readWholeDeal()) return;
    }
    findFirstDefect(line);
}

bool ValidBoardLine::readWholeDeal() {
    static_assert(BoardLineLength % 8 == 0);
    bool digits = true;
    for (std::size_t word = 0; word < BoardLineLength / 8; ++word) {
        const std::uint64_t text = eightCharacters(digits_.data() + 8 * word);
        // A byte is a digit when its high half is 3 before and after adding 6, which no byte
        // below 0x40 carries out of.
        digits &= ((text & everyByte(0xF0)) == everyByte(0x30)) &
                  (((text + everyByte(0x06)) & everyByte(0xF0)) == everyByte(0x30));
        // Each pair of digits (tens, units) becomes 10 * tens + units in its first byte; no
        // byte of digits carries into the next.
        const std::uint64_t values = text - everyByte(0x30);
        const std::uint64_t pairs = (values * 10 + (values >> 8)) & 0x00FF00FF00FF00FFu;
        for (unsigned i = 0; i < 4; ++i) cards_[4 * word + i] = static_cast<std::uint8_t>(pairs >> (16 * i));
    }
    if (!digits) return false;

    std::uint64_t seen = 0;
    bool sound = true;
    for (std::size_t hand = 0; hand < HandCount; ++hand) {
        unsigned previous = 0;
        // Cards below the first heart, diamond and club: sums in registers, not counters.
        unsigned belowHearts = 0, belowDiamonds = 0, belowClubs = 0;
        for (std::size_t field = CardsPerHand * hand; field < CardsPerHand * (hand + 1); ++field) {
            const unsigned card = cards_[field];
            sound &= (card > previous) & (card <= CardsPerDeal);
            seen |= std::uint64_t{1} << (card & 63);
            previous = card;
            belowHearts += card <= RanksPerSuit;
            belowDiamonds += card <= 2 * RanksPerSuit;
            belowClubs += card <= 3 * RanksPerSuit;
        }
        cardsBefore_[hand] = {0, static_cast<std::uint8_t>(belowHearts),
                              static_cast<std::uint8_t>(belowDiamonds), static_cast<std::uint8_t>(belowClubs),
                              CardsPerHand};
    }
    // Ascending hands hold 52 different cards exactly when all 52 were seen.
    return sound && seen == EveryCard;
}

void ValidBoardLine::findFirstDefect(std::string_view line) const {
    std::uint64_t seen = 0;
    int previous = 0;
    for (int field = 0; field < CardsPerDeal; ++field) {
        if (field % CardsPerHand == 0) previous = 0;
        const int card = twoDigitNumber(line, 2 * static_cast<std::size_t>(field));
        if (card <= previous || card > CardsPerDeal || ((seen >> card) & 1) != 0) throw ERangeError();
        seen |= std::uint64_t{1} << card;
        previous = card;
    }
    throw EConvertError(line.substr(BoardLineLength));
}

}  // namespace quorvex
