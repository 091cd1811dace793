#include "formats/hand_text.h"

#include <cstdint>

#include "engine/split_hand.h"

namespace quorvex {

void appendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    for (int hand = North; hand < HandCount; ++hand) {
        Holdings holdings;
        for (int suit = Spades; suit < SuitCount; ++suit) holdings[suit].assign(1, SuitMarks[suit]);
        splitHand(board.text(), hand, holdings);
        for (const std::string& holding : holdings) out += holding;
    }
}

void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out) {
    Holdings holdings;
    splitHand(board.text(), hand, holdings);
    MarkVoids(holdings[Spades], holdings[Hearts], holdings[Diamonds], holdings[Clubs]);
    out += holdings[Spades];
    for (int suit = Hearts; suit < SuitCount; ++suit) {
        out += ' ';
        out += holdings[suit];
    }
}

}  // namespace quorvex
