#include "formats/hand_text.h"

#include "formats/split_hand.h"

#include <cstdint>

namespace quorvex {

namespace {

constexpr std::size_t CardsPerHand = 13;

// Thirteen letters, three blanks and up to three dashes.
constexpr std::size_t DeepFinesseHandTextMaxLength = 19;

// Suit (0 spades .. 3 clubs) and rank letter of each card number 1..52.
struct CardFace {
    std::uint8_t suit = 0;
    char letter = 0;
};

constexpr std::array<CardFace, 53> CardFaces = [] {
    std::array<CardFace, 53> faces{};
    for (int card = 1; card <= 52; ++card)
        faces[static_cast<std::size_t>(card)] = {static_cast<std::uint8_t>((card - 1) / 13), cardLetter(card)};
    return faces;
}();

// One hand's cards in the ascending order of the line, which lists the suits in turn and
// each suit from the ace down. The texts are placed by counting instead of branching on
// each change of suit, which keeps them cheap for a million boards.
class HandCards {
public:
    HandCards(const ValidBoardLine& board, std::size_t hand) {
        for (std::size_t k = 0; k < CardsPerHand; ++k) {
            faces_[k] = CardFaces[static_cast<std::size_t>(board.card(CardsPerHand * hand + k))];
            lengths_ += std::uint64_t{1} << (16 * faces_[k].suit);
        }
    }

    // Cards of the hand in suit 0..3.
    std::size_t length(std::size_t suit) const { return (lengths_ >> (16 * suit)) & 0xFFFF; }

    // Calls visit(k, suit, letter) for the hand's k-th card, k = 0..12.
    template <class Visit>
    void forEachCard(Visit visit) const {
        for (std::size_t k = 0; k < CardsPerHand; ++k) visit(k, std::size_t{faces_[k].suit}, faces_[k].letter);
    }

private:
    std::array<CardFace, CardsPerHand> faces_{};
    std::uint64_t lengths_ = 0; // four 16-bit counters, spades lowest
};

} // namespace

void AppendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    std::size_t start = out.size();
    out.resize(start + 4 * MarkedHandTextLength);
    for (std::size_t hand = 0; hand < 4; ++hand, start += MarkedHandTextLength) {
        char* const text = out.data() + start;
        const HandCards cards(board, hand);
        // Suit s's mark follows the s marks and the cards of the suits before it.
        std::size_t cardsBefore = 0;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            text[suit + cardsBefore] = SuitMarks[suit];
            cardsBefore += cards.length(suit);
        }
        cards.forEachCard([&](std::size_t k, std::size_t suit, char letter) { text[k + suit + 1] = letter; });
    }
}

void AppendDeepFinesseHandText(const ValidBoardLine& board, std::size_t hand, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + DeepFinesseHandTextMaxLength);
    char* const text = out.data() + start;
    const HandCards cards(board, hand);
    // Suit s starts after the cards of the suits before it, s blanks and a "-" for each
    // void before it.
    std::array<std::size_t, 4> voidsBefore{};
    std::size_t cardsBefore = 0, voids = 0;
    for (std::size_t suit = 0; suit < 4; ++suit) {
        const std::size_t first = cardsBefore + suit + voids;
        if (suit > 0) text[first - 1] = ' ';
        voidsBefore[suit] = voids;
        const std::size_t length = cards.length(suit);
        if (length == 0) {
            text[first] = '-';
            ++voids;
        }
        cardsBefore += length;
    }
    cards.forEachCard(
        [&](std::size_t k, std::size_t suit, char letter) { text[k + suit + voidsBefore[suit]] = letter; });
    out.resize(start + CardsPerHand + 3 + voids);
}

} // namespace quorvex
