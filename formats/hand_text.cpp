#include "formats/hand_text.h"

namespace quorvex {

namespace {

// The rank letters of one hand follow each other suit by suit, spades first, each suit from
// the ace down, because its card numbers ascend. `beforeSuit(suit)` is appended where each
// suit's letters start, voids included.
template <class BeforeSuit>
void appendHand(const ValidBoardLine& board, int hand, std::string& out, BeforeSuit beforeSuit) {
    int suit = -1;
    for (std::size_t field = CardsPerHand * static_cast<std::size_t>(hand);
         field < CardsPerHand * (hand + 1u); ++field) {
        const int card = board.card(field);
        while (suit < static_cast<int>(suitOf(card))) beforeSuit(++suit);
        out += cardLetter(card);
    }
    while (suit < Clubs) beforeSuit(++suit);
}

}  // namespace

void appendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    for (int hand = North; hand < HandCount; ++hand)
        appendHand(board, hand, out, [&out](int suit) { out += SuitMarks[static_cast<std::size_t>(suit)]; });
}

void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out) {
    // Blanks between the holdings, "-" for a void: a holding is void when the next one (or
    // the end) starts right after its own start.
    std::size_t start = out.size();
    const auto closeVoid = [&] {
        if (out.size() == start) out += '-';
    };
    appendHand(board, hand, out, [&](int suit) {
        if (suit > Spades) {
            closeVoid();
            out += ' ';
        }
        start = out.size();
    });
    closeVoid();
}

}  // namespace quorvex
