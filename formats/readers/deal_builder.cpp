#include "formats/readers/deal_builder.h"

#include "formats/readers/deal_file_error.h"

namespace quorvex {

namespace {

constexpr std::array<std::string_view, RanksPerSuit> RankNames = {
    "ace", "king", "queen", "jack", "10", "9", "8", "7", "6", "5", "4", "3", "2"};

}  // namespace

std::string cardName(int cardNumber) {
    return "the " + std::string(RankNames[static_cast<std::size_t>(rankIndexOf(cardNumber))]) + " of " +
           std::string(SuitNames[static_cast<std::size_t>(suitOf(cardNumber))]);
}

int cardOfRankLetter(char letter, std::size_t suit) {
    const std::size_t rank = RankLetters.find(letter);
    if (letter == '\0' || rank == std::string_view::npos) return 0;
    return static_cast<int>(RanksPerSuit * suit + rank + 1);
}

void DealBuilder::give(int cardNumber, std::size_t hand) {
    if (cardNumber < 1 || cardNumber > CardsPerDeal)
        throw BoardDefect("card number " + std::to_string(cardNumber) + " is no card (01 to 52)");
    std::uint8_t& owner = owners_[static_cast<std::size_t>(cardNumber - 1)];
    if (owner != Nobody) throw BoardDefect(cardName(cardNumber) + " appears twice");
    owner = static_cast<std::uint8_t>(hand);
    ++counts_[hand];
}

void DealBuilder::giveRest(std::size_t hand) {
    for (int card = 1; card <= CardsPerDeal; ++card)
        if (!given(card)) give(card, hand);
}

ByHandDeal DealBuilder::deal() const {
    for (std::size_t hand = 0; hand < HandCount; ++hand)
        if (counts_[hand] != CardsPerHand)
            throw BoardDefect(std::string(HandNames[hand]) + " holds " + std::to_string(counts_[hand]) +
                              " cards, not 13");
    ByHandDeal deal{};
    std::array<std::size_t, HandCount> next{};
    for (std::size_t hand = 0; hand < HandCount; ++hand) next[hand] = CardsPerHand * hand;
    for (std::size_t card = 0; card < CardsPerDeal; ++card)
        deal[next[owners_[card]]++] = static_cast<std::uint8_t>(card + 1);
    return deal;
}

}  // namespace quorvex
