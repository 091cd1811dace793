#include "engine/valid_board_line.h"

#include <algorithm>
#include <cstdint>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "engine/cards.h"

namespace quorvex {

namespace {

constexpr std::uint64_t EveryCard = ((std::uint64_t{1} << CardsPerDeal) - 1) << 1;  // bits 1..52

}  // namespace

// Every board of every set passes here, once per reading of the main deal file: a sound
// line is read in one pass without branching on its digits; only a damaged line is read
// again, field by field, to name its first defect.
ValidBoardLine::ValidBoardLine(std::string_view line) {
    if (line.size() == BoardLineLength) {
        std::copy(line.begin(), line.end(), digits_.begin());
        if (readWholeDeal()) return;
    }
    findFirstDefect(line);
}

bool ValidBoardLine::readWholeDeal() {
    std::uint64_t seen = 0;
    bool sound = true;
    for (std::size_t hand = 0; hand < HandCount; ++hand) {
        unsigned previous = 0;
        // Cards below the first heart, diamond and club: sums in registers, not counters.
        unsigned belowHearts = 0, belowDiamonds = 0, belowClubs = 0;
        for (std::size_t field = CardsPerHand * hand; field < CardsPerHand * (hand + 1); ++field) {
            const unsigned tens = static_cast<unsigned char>(digits_[2 * field]) - unsigned{'0'};
            const unsigned units = static_cast<unsigned char>(digits_[2 * field + 1]) - unsigned{'0'};
            const unsigned card = 10 * tens + units;
            sound &= (tens < 10) & (units < 10) & (card > previous) & (card <= CardsPerDeal);
            seen |= std::uint64_t{1} << (card & 63);
            cards_[field] = static_cast<std::uint8_t>(card);
            previous = card;
            belowHearts += card <= RanksPerSuit;
            belowDiamonds += card <= 2 * RanksPerSuit;
            belowClubs += card <= 3 * RanksPerSuit;
        }
        cardsBefore_[hand] = {0, static_cast<std::uint8_t>(belowHearts), static_cast<std::uint8_t>(belowDiamonds),
                              static_cast<std::uint8_t>(belowClubs), CardsPerHand};
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
