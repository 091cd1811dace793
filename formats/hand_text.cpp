#include "formats/hand_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/card_faces.h"

namespace quorvex {

// A hand lists its suits in order, so every card's place in a text follows from how many
// of the hand's cards belong to the suits before its own: the texts are written without a
// branch on the cards, whose suits change at places the processor cannot predict.

void appendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    std::array<char, MarkedHandTextsLength> text;
    for (int hand = North; hand < HandCount; ++hand) {
        char* const at = text.data() + MarkedHandTextLength * static_cast<std::size_t>(hand);
        // Each card stands after its own suit's mark and the marks before it.
        for (std::size_t i = 0; i < CardsPerHand; ++i) {
            const CardFace& card = faceOf(board.card(CardsPerHand * static_cast<std::size_t>(hand) + i));
            at[i + card.suit + 1] = card.letter;
        }
        for (std::size_t suit = 0; suit < SuitCount; ++suit)
            at[suit + board.cardsBeforeSuit(static_cast<std::size_t>(hand), suit)] = SuitMarks[suit];
    }
    out.append(text.data(), text.size());
}

void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out) {
    // Thirteen letters, three blanks and at most three "-" for voids.
    std::array<char, 19> text;
    const auto h = static_cast<std::size_t>(hand);
    // Where each suit's holding starts: after the holdings before it, a void taking one "-",
    // and a blank after each.
    std::array<std::size_t, SuitCount> start{};
    for (std::size_t suit = 1; suit < SuitCount; ++suit)
        start[suit] = start[suit - 1] + std::max<std::size_t>(board.suitLength(h, suit - 1), 1) + 1;
    for (std::size_t suit = 0; suit < SuitCount; ++suit) {
        text[start[suit]] = '-';  // stays only where the suit is void
        if (suit > 0) text[start[suit] - 1] = ' ';
    }
    for (std::size_t i = 0; i < CardsPerHand; ++i) {
        const CardFace& card = faceOf(board.card(CardsPerHand * h + i));
        text[start[card.suit] + i - board.cardsBeforeSuit(h, card.suit)] = card.letter;
    }
    const std::size_t end = start[Clubs] + std::max<std::size_t>(board.suitLength(h, Clubs), 1);
    out.append(text.data(), end);
}

}  // namespace quorvex
