#pragma once
// Collects the cards of one deal as a reader finds them and checks that they make a whole
// deal: every card once, thirteen to each hand. Readers of every format share it, so a card
// given twice or a hand of twelve cards is refused with the same words everywhere.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cards.h"
#include "engine/deal_numbering.h"

namespace quorvex {

// "the ace of spades", "the 10 of clubs" for card number 1..52.
std::string cardName(int cardNumber);

// Card number of a rank letter (AKQJT98765432) in suit 0..3 (spades, hearts, diamonds,
// clubs); 0 for a character that is no rank letter.
int cardOfRankLetter(char letter, std::size_t suit);

class DealBuilder {
public:
    // Raises BoardDefect for a card number outside 1..52 or a card given before.
    void give(int cardNumber, std::size_t hand);

    // True when `cardNumber` has been given (to any hand).
    bool given(int cardNumber) const { return owners_[static_cast<std::size_t>(cardNumber - 1)] != Nobody; }

    // Gives every card not given yet to `hand` (the hand a format leaves implied).
    void giveRest(std::size_t hand);

    // The deal, each hand ascending. Raises BoardDefect when a hand holds other than 13 cards.
    ByHandDeal deal() const;

private:
    static constexpr std::uint8_t Nobody = HandCount;
    std::array<std::uint8_t, CardsPerDeal> owners_ = filled();
    std::array<int, HandCount> counts_{};

    static constexpr std::array<std::uint8_t, CardsPerDeal> filled() {
        std::array<std::uint8_t, CardsPerDeal> owners{};
        owners.fill(Nobody);
        return owners;
    }
};

}  // namespace quorvex
