#pragma once
// What the check keeps of each board it has read: 24 bytes, whatever the format. A main deal
// file of a million boards is checked without holding its text or its decoded boards; these
// records are enough to find every deal that appears twice and to compare sets board for board.
#include <cstdint>
#include <tuple>
#include <utility>

#include "engine/cards.h"
#include "engine/deal_numbering.h"

namespace quorvex {

struct BoardRecord {
    // Two bits per card, the hand holding it: cards 1 to 32 in `low`, cards 33 to 52 in the
    // low 40 bits of `high`, whose top 24 bits hold the board number.
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    std::uint32_t file = 0;  // index of the file among those checked
    std::uint32_t set = 0;

    static constexpr unsigned NumberShift = 40;
    static constexpr std::uint64_t DealMask = (std::uint64_t{1} << NumberShift) - 1;

    BoardRecord(const ByHandDeal& deal, std::uint32_t fileIndex, unsigned setNumber, unsigned boardNumber)
        : file(fileIndex), set(setNumber) {
        for (std::size_t field = 0; field < deal.size(); ++field) {
            const unsigned card = deal[field] - 1u;
            const auto hand = static_cast<std::uint64_t>(handOfField(static_cast<int>(field)));
            (card < 32 ? low : high) |= hand << (2 * (card % 32));
        }
        high |= std::uint64_t{boardNumber} << NumberShift;
    }

    unsigned number() const { return static_cast<unsigned>(high >> NumberShift); }
    bool sameDeal(const BoardRecord& other) const {
        return low == other.low && ((high ^ other.high) & DealMask) == 0;
    }
    auto deal() const { return std::pair(high & DealMask, low); }
    // Where the board stands: file, set, board number.
    auto place() const { return std::tuple(file, set, number()); }
    // Equal deals together, each group in the order of place.
    auto dealThenPlace() const { return std::tuple(high & DealMask, low, file, set, number()); }
};

static_assert(sizeof(BoardRecord) == 24);

}  // namespace quorvex
