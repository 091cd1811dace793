#include "engine/deal_numbering.h"

#include <algorithm>

#include "common/range_error.h"
#include "engine/mp_limbs.h"
#include "engine/n_choose_r.h"

namespace quorvex {

namespace {

// The radices of a deal number: the ways to deal one hand from 52, 39 and 26 cards.
constexpr std::uint64_t Choose13Of52 = BinomialTable[52][13];
constexpr std::uint64_t Choose13Of39 = BinomialTable[39][13];
constexpr std::uint64_t Choose13Of26 = BinomialTable[26][13];

// v := v div Divisor; returns v mod Divisor. The two high limbs are divided as one 64-bit
// word; the low limb is taken in two 16-bit steps: the running remainder stays below
// 2^48, so remainder x 2^16 + 16 more bits fits in 64. A constant divisor lets the
// compiler replace each division by a multiply.
template <std::uint64_t Divisor>
std::uint64_t divideInPlace(MpLimbs& v) {
    static_assert(Divisor > 0 && Divisor < (std::uint64_t{1} << 48));
    const std::uint64_t high = (std::uint64_t{v[2]} << 32) | v[1];
    const std::uint64_t quotientHigh = high / Divisor;
    std::uint64_t remainder = high % Divisor;
    std::uint32_t quotientLow = 0;
    for (int shift = 16; shift >= 0; shift -= 16) {
        const std::uint64_t part = (remainder << 16) | ((v[0] >> shift) & 0xFFFF);
        quotientLow = (quotientLow << 16) | static_cast<std::uint32_t>(part / Divisor);
        remainder = part % Divisor;
    }
    v = {quotientLow, static_cast<std::uint32_t>(quotientHigh),
         static_cast<std::uint32_t>(quotientHigh >> 32)};
    return remainder;
}

// WaysWithCardHere[n][j] = C(n, 12 - j): the ways to place cards j+1 .. 12 of a hand in
// the n positions after the one card j takes. Column 13 (hand complete) is 0, so the
// unranking can keep visiting positions after the last card without a branch.
constexpr auto WaysWithCardHere = [] {
    std::array<std::array<std::uint64_t, CardsPerHand + 1>, 52> ways{};
    for (int n = 0; n < 52; ++n)
        for (int j = 0; j < CardsPerHand; ++j) ways[n][j] = BinomialTable[n][CardsPerHand - 1 - j];
    return ways;
}();

// Unranks one hand: finds the 13-subset c_0 < ... < c_12 of positions 0..undealt-1 whose
// lexicographic rank is `rank` (rank < C(undealt, 13)), one position at a time.
struct HandUnranker {
    std::uint64_t rank;
    int undealt;
    unsigned taken = 0;
    // c_j - j; the extra byte absorbs the writes made after the 13th card.
    std::array<std::uint8_t, CardsPerHand + 1> group{};

    // Subsets whose next card lies at this position number C(undealt - position - 1, 12 - taken).
    // A rank below that count takes the position; a larger one skips all of them.
    void visit(int position) {
        const std::uint64_t withCardHere = WaysWithCardHere[undealt - position - 1][taken];
        // Written to compile without a branch: the outcome is a coin toss the processor
        // cannot predict.
        const unsigned take = rank < withCardHere;
        rank -= take ? 0 : withCardHere;
        group[taken] = static_cast<std::uint8_t>(position - static_cast<int>(taken));
        taken += take;
    }
};

// Undealt cards 1..52 in ascending order.
constexpr std::array<std::uint8_t, 52> FullPack = [] {
    std::array<std::uint8_t, 52> cards{};
    for (int i = 0; i < 52; ++i) cards[i] = static_cast<std::uint8_t>(i + 1);
    return cards;
}();

}  // namespace

bool isValidHandNumber(const MpInt& number) { return mpCompare(number, DealCount) < 0; }

InternalDeal dealNumberToInternalDeal(const MpInt& number) {
    MpLimbs value = toLimbs(number);
    const std::uint64_t rank2 = divideInPlace<Choose13Of26>(value);
    const std::uint64_t rank1 = divideInPlace<Choose13Of39>(value);
    // Below 2^96 / C(39,13) / C(26,13) < 2^40, so it fits in 64 bits.
    const std::uint64_t rank0 = (std::uint64_t{value[1]} << 32) | value[0];
    // number < DealCount exactly when hand 0's rank is a rank of 13 cards out of 52.
    if (rank0 >= Choose13Of52) throw ERangeError();

    // Each hand's search is one long chain of dependent steps; walking the three hands
    // side by side lets the processor overlap the chains.
    HandUnranker north{rank0, 52}, east{rank1, 39}, south{rank2, 26};
    int position = 0;
    for (; position < 26; ++position) {
        north.visit(position);
        east.visit(position);
        south.visit(position);
    }
    for (; position < 39; ++position) {
        north.visit(position);
        east.visit(position);
    }
    for (; position < 52; ++position) north.visit(position);

    InternalDeal deal{};  // hand 3 has only one way: all zeros
    std::copy_n(north.group.begin(), CardsPerHand, deal.begin());
    std::copy_n(east.group.begin(), CardsPerHand, deal.begin() + CardsPerHand);
    std::copy_n(south.group.begin(), CardsPerHand, deal.begin() + 2 * CardsPerHand);
    return deal;
}

// Each hand takes its positions from the undealt cards; the cards it leaves move up, in
// order, to form the list the next hand chooses from. Hand 3 keeps what is left.
ByHandDeal internalDealToByHand(const InternalDeal& internal) {
    std::array<std::uint8_t, 52> undealt = FullPack;
    int count = 52;
    ByHandDeal deal{};
    for (int hand = 0; hand < HandCount - 1; ++hand) {
        std::array<std::uint8_t, 52> taken{};
        int previous = -1;
        for (int j = 0; j < CardsPerHand; ++j) {
            const int index = hand * CardsPerHand + j;
            const int position = internal[index] + j;
            if (position <= previous || position >= count)
                throw ERangeError();  // not a layout that dealNumberToInternalDeal makes
            deal[index] = undealt[position];
            taken[position] = 1;
            previous = position;
        }
        // Branch-free compaction: every card is copied, only kept ones advance the end.
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            undealt[kept] = undealt[i];
            kept += 1 - taken[i];
        }
        count = kept;
    }
    std::copy_n(undealt.begin(), CardsPerHand, deal.begin() + (HandCount - 1) * CardsPerHand);
    return deal;
}

}  // namespace quorvex
