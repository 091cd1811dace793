#include "formats/hand_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/card_faces.h"

namespace quorvex {

namespace {

// Cards ascend within a hand, so its suits come in order and every card's place in a text
// follows from the lengths of the suits before it: the texts are written without a branch
// on the cards, whose suits change at places the processor cannot predict.
struct HandFaces {
    std::array<const CardFace*, CardsPerHand> cards{};
    std::array<int, SuitCount> length{};
};

HandFaces handFaces(const ValidBoardLine& board, int hand) {
    HandFaces faces;
    for (std::size_t i = 0; i < CardsPerHand; ++i) {
        faces.cards[i] = &faceOf(board.card(CardsPerHand * static_cast<std::size_t>(hand) + i));
        ++faces.length[faces.cards[i]->suit];
    }
    return faces;
}

}  // namespace

void appendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    std::array<char, MarkedHandTextsLength> text;
    for (int hand = North; hand < HandCount; ++hand) {
        char* const at = text.data() + MarkedHandTextLength * static_cast<std::size_t>(hand);
        const HandFaces faces = handFaces(board, hand);
        // Each card stands after its own suit's mark and the marks before it.
        for (std::size_t i = 0; i < CardsPerHand; ++i) at[i + faces.cards[i]->suit + 1] = faces.cards[i]->letter;
        std::size_t mark = 0;
        for (std::size_t suit = 0; suit < SuitCount; ++suit) {
            at[mark] = SuitMarks[suit];
            mark += static_cast<std::size_t>(faces.length[suit]) + 1;
        }
    }
    out.append(text.data(), text.size());
}

void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out) {
    // Thirteen letters, three blanks and at most three "-" for voids.
    std::array<char, 19> text;
    const HandFaces faces = handFaces(board, hand);
    // Where each suit's holding starts, and how many cards come before it.
    std::array<std::size_t, SuitCount> start{};
    std::array<std::size_t, SuitCount> cardsBefore{};
    for (std::size_t suit = 1; suit < SuitCount; ++suit) {
        const auto length = static_cast<std::size_t>(faces.length[suit - 1]);
        start[suit] = start[suit - 1] + std::max<std::size_t>(length, 1) + 1;
        cardsBefore[suit] = cardsBefore[suit - 1] + length;
    }
    for (std::size_t suit = 0; suit < SuitCount; ++suit) {
        text[start[suit]] = '-';  // stays only where the suit is void
        if (suit > 0) text[start[suit] - 1] = ' ';
    }
    for (std::size_t i = 0; i < CardsPerHand; ++i) {
        const std::size_t suit = faces.cards[i]->suit;
        text[start[suit] + i - cardsBefore[suit]] = faces.cards[i]->letter;
    }
    const std::size_t end = start[Clubs] + static_cast<std::size_t>(std::max(faces.length[Clubs], 1));
    out.append(text.data(), end);
}

}  // namespace quorvex
