#include "engine/valid_board_line.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "common/unroll.h"
#include "engine/card_faces.h"
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

// The bytes of `bytes` at `at`, the lowest first: one store on the little-endian machines.
template <typename Word>
void storeBytes(Word bytes, std::uint8_t* at) {
    if constexpr (std::endian::native == std::endian::little)
        std::memcpy(at, &bytes, sizeof bytes);
    else
        for (unsigned i = 0; i < sizeof bytes; ++i) at[i] = static_cast<std::uint8_t>(bytes >> (8 * i));
}

// For each number of two digits: its bit among the cards seen (none at 64 and above) and,
// for 1..52, its card's face. One load per card instead of a shift by a variable count, and
// the card's letter, points and suit from the same place.
struct CardEntry {
    std::uint64_t bit = 0;
    CardFace face;
};
constexpr std::array<CardEntry, 100> CardEntries = [] {
    std::array<CardEntry, 100> entries{};
    for (std::size_t n = 0; n < 64; ++n) entries[n].bit = std::uint64_t{1} << n;
    for (std::size_t card = 1; card <= CardsPerDeal; ++card) entries[card].face = CardFaces[card];
    return entries;
}();

// The card numbers of eight characters of digits (four pairs of tens and units), packed
// into the low four bytes, the first lowest. No byte of digits carries into the next.
std::uint32_t fourCards(std::uint64_t text) {
    const std::uint64_t values = text - everyByte(0x30);
    std::uint64_t pairs = (values * 10 + (values >> 8)) & 0x00FF00FF00FF00FFu;
    pairs = (pairs | (pairs >> 8)) & 0x0000FFFF0000FFFFu;
    return static_cast<std::uint32_t>(pairs | (pairs >> 16));
}

}  // namespace

// Every board of every set passes here, once per reading of the main deal file: a sound
// line is read eight digits at a time without branching on them; only a damaged line is
// read again, field by field, to name its first defect.
ValidBoardLine::ValidBoardLine(std::string_view line) {
    if (line.size() == BoardLineLength) {
        std::memcpy(digits_.data(), line.data(), BoardLineLength);  // a fixed length: no call
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
    }
    if (!digits) return false;

    // Card numbers are now below 100, so each byte of a word of them can be compared with
    // another's or with a constant by one subtraction that never borrows from the next
    // byte: the high bit of a byte of everyByte(0x80 + c) - x says "x <= c", that of
    // (y + everyByte(0x7F)) - x says "y > x".
    constexpr std::uint64_t HighBits = everyByte(0x80);
    const auto atMost = [](std::uint64_t x, std::uint8_t c) {
        return (everyByte(static_cast<std::uint8_t>(0x80 + c)) - x) & HighBits;
    };
    // How many of the bytes whose high bit is set: at most 8, summed by one multiplication.
    const auto count = [](std::uint64_t highBits) {
        return static_cast<std::uint8_t>(((highBits >> 7) * everyByte(1)) >> 56);
    };
    std::uint64_t seen = 0;
    bool sound = true;
    for (std::size_t hand = 0; hand < HandCount; ++hand) {
        // The hand's cards 0..7 and 5..12 (of which only 8..12 count once), and each
        // followed by its successor: cards 1..8 and 5..12 again shifted by one.
        const char* const digits = digits_.data() + 2 * CardsPerHand * hand;
        const std::uint64_t cards0To3 = fourCards(eightCharacters(digits));
        const std::uint64_t cards4To7 = fourCards(eightCharacters(digits + 8));
        const std::uint64_t cards8To11 = fourCards(eightCharacters(digits + 16));
        const std::uint64_t card12 =
            10u * static_cast<unsigned>(digits[24] - '0') + static_cast<unsigned>(digits[25] - '0');
        const std::uint64_t low = cards0To3 | cards4To7 << 32, highNext = cards4To7 | cards8To11 << 32;
        const std::uint64_t next = low >> 8 | (cards8To11 & 0xFF) << 56, high = highNext >> 8 | card12 << 56;
        std::uint8_t* const cards = cards_.data() + CardsPerHand * hand;
        storeBytes(low, cards);
        storeBytes(high, cards + 5);
        const std::uint64_t ascending = (((next + everyByte(0x7F)) - low) & HighBits) &
                                        (((high + everyByte(0x7F)) - highNext) & HighBits);
        // Ascending from at least 1 to at most 52: the lowest byte of `low`, the highest of `high`.
        sound &= (ascending == HighBits) & ((low & 0xFF) >= 1) & ((high >> 56) <= CardsPerDeal);
        constexpr std::uint64_t Cards8To12 = 0xFFFFFFFFFF000000u;
        const auto cardsUpTo = [&](std::uint32_t last) {
            return count(atMost(low, static_cast<std::uint8_t>(last))) +
                   count(atMost(high, static_cast<std::uint8_t>(last)) & Cards8To12);
        };
        // The cards before each suit, one byte each from spades (none) up; then the gaps,
        // behind as many cards and one gap per suit before.
        const std::uint32_t before = cardsUpTo(RanksPerSuit) << 8 | cardsUpTo(2 * RanksPerSuit) << 16 |
                                     cardsUpTo(3 * RanksPerSuit) << 24;
        storeBytes(before, cardsBefore_[hand].data());
        cardsBefore_[hand][SuitCount] = CardsPerHand;
        const auto gapsBefore =
            static_cast<std::uint32_t>(0x03020100u + 0x01010101u * HandWithGapsLength * hand);
        storeBytes(before + gapsBefore, gaps_.data() + SuitCount * hand);
        unsigned points = 0;
        QUORVEX_UNROLL(13)  // fewer instructions per card, and no slower
        for (std::size_t i = 0; i < CardsPerHand; ++i) {
            const CardEntry& entry = CardEntries[cards[i]];
            seen |= entry.bit;
            // After the gaps of its own suit and the suits before it.
            letters_[HandWithGapsLength * hand + i + entry.face.suit + 1u] = entry.face.letter;
            points += entry.face.points;
        }
        points_[hand] = static_cast<std::uint8_t>(points);
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
