#pragma once
// A board line of the main deal file that has been checked to describe one whole deal,
// so that no writer can turn a damaged line into a file a dealing machine would accept.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/board_line.h"
#include "engine/cards.h"

namespace quorvex {

class ValidBoardLine {
public:
    // Takes a line as read from the main deal file and checks it field by field, in
    // reading order. A field that is not two decimal digits (including a line cut short,
    // or the empty line read past the end of the file) and characters after the 104th
    // raise the conversion error with the offending text. A card number that does not fit
    // raises ERangeError: outside 1..52, seen before (another card would have no hand), or
    // not above the previous card of its hand (every hand ascends, which lists each suit
    // from the ace down).
    explicit ValidBoardLine(std::string_view line);

    // The 104 digits: hands North, East, South, West, 13 ascending card numbers each.
    std::string_view text() const { return {digits_.data(), digits_.size()}; }

    // The card number (1..52) of field 0..51.
    int card(std::size_t field) const { return cards_[field]; }

    // How many cards of `hand` (0 North .. 3 West) belong to the suits before `suit`
    // (0 spades .. 4, past clubs: all 13). A hand lists its suits in order, so these are
    // where its suits start and the writers place every card without searching.
    std::size_t cardsBeforeSuit(std::size_t hand, std::size_t suit) const { return cardsBefore_[hand][suit]; }
    std::size_t suitLength(std::size_t hand, std::size_t suit) const {
        return cardsBeforeSuit(hand, suit + 1) - cardsBeforeSuit(hand, suit);
    }

    // The high-card points of `hand`.
    unsigned points(std::size_t hand) const { return points_[hand]; }

    // The four hands' rank letters suit by suit, each holding after one byte left free (its
    // gap): 17 bytes a hand, in hand order. A writer that marks the start of every suit with
    // a byte copies this once and puts its marks in the gaps.
    static constexpr std::size_t HandWithGapsLength = CardsPerHand + SuitCount;
    std::string_view lettersWithSuitGaps() const { return {letters_.data(), HandCount * HandWithGapsLength}; }

    // Where the gap before `suit` of `hand` stands in lettersWithSuitGaps().
    std::size_t suitGap(std::size_t hand, std::size_t suit) const { return gaps_[SuitCount * hand + suit]; }
    // All sixteen gaps, hand by hand and suit by suit, for a writer to copy at once.
    static constexpr std::size_t GapCount = HandCount * SuitCount;
    const std::array<std::uint8_t, GapCount>& suitGaps() const { return gaps_; }

    // The rank letters of `hand`'s holding in `suit`, highest first. At least 13 bytes are
    // readable from its start, so a writer may copy a holding as one fixed-width block and
    // keep only its length: no call per holding.
    std::string_view holding(std::size_t hand, std::size_t suit) const {
        return {letters_.data() + suitGap(hand, suit) + 1, suitLength(hand, suit)};
    }

private:
    bool readWholeDeal();
    void findFirstDefect(std::string_view line) const;

    // Every member but the letters is written whole by a line that passes, so only the
    // letters' gaps and slack are set beforehand.
    std::array<char, BoardLineLength> digits_;
    std::array<std::uint8_t, 52> cards_;  // read once: every writer asks for every card
    std::array<std::array<std::uint8_t, 5>, 4> cardsBefore_;
    // The letters with their suits' gaps (left 0), then slack for holdings read 13 bytes wide.
    std::array<char, HandCount * HandWithGapsLength + RanksPerSuit> letters_{};
    std::array<std::uint8_t, HandCount> points_;
    // The gaps follow from cardsBefore_, but the writers ask for them on every board: kept
    // ready, they cost one store per hand here instead of a sum at every mark.
    std::array<std::uint8_t, GapCount> gaps_;
};

}  // namespace quorvex
