#include "formats/hand_text.h"

#include <array>
#include <cstdint>

namespace quorvex {

namespace {

// Suit and rank letter of each card number, looked up rather than computed: these texts are
// built for every board of every set, twice for the record formats.
struct CardFace {
    std::array<std::int8_t, CardsPerDeal + 1> suit{};
    std::array<char, CardsPerDeal + 1> letter{};
};

constexpr CardFace cardFaces() {
    CardFace faces;
    for (int card = 1; card <= CardsPerDeal; ++card) {
        faces.suit[static_cast<std::size_t>(card)] = static_cast<std::int8_t>(suitOf(card));
        faces.letter[static_cast<std::size_t>(card)] = cardLetter(card);
    }
    return faces;
}

constexpr CardFace CardFaces = cardFaces();

// Writes the rank letters of one hand at `at`, suit by suit, spades first, each suit from the
// ace down (its card numbers ascend), and `beforeSuit(suit, at)` where each suit's letters
// start, voids included. Returns the end of what it wrote. The texts are built in a small
// array, not a growing string: every board of every set goes through here.
template <class BeforeSuit>
char* writeHand(const ValidBoardLine& board, int hand, char* at, BeforeSuit beforeSuit) {
    int suit = -1;
    for (std::size_t field = CardsPerHand * static_cast<std::size_t>(hand);
         field < CardsPerHand * (hand + 1u); ++field) {
        const auto card = static_cast<std::size_t>(board.card(field));
        while (suit < CardFaces.suit[card]) at = beforeSuit(++suit, at);
        *at++ = CardFaces.letter[card];
    }
    while (suit < Clubs) at = beforeSuit(++suit, at);
    return at;
}

}  // namespace

void appendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    std::array<char, MarkedHandTextsLength> text;
    char* at = text.data();
    for (int hand = North; hand < HandCount; ++hand)
        at = writeHand(board, hand, at, [](int suit, char* to) {
            *to = SuitMarks[static_cast<std::size_t>(suit)];
            return to + 1;
        });
    out.append(text.data(), at);
}

void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out) {
    // Thirteen letters, three blanks and at most three "-" for voids.
    std::array<char, 24> text;
    char* start = text.data();
    // A holding is void when the next one (or the end) starts where it starts.
    const auto closeVoid = [&start](char* to) {
        if (to == start) *to++ = '-';
        return to;
    };
    char* at = writeHand(board, hand, text.data(), [&](int suit, char* to) {
        if (suit > Spades) {
            to = closeVoid(to);
            *to++ = ' ';
        }
        start = to;
        return to;
    });
    out.append(text.data(), closeVoid(at));
}

}  // namespace quorvex
