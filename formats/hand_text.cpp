#include "formats/hand_text.h"

#include "formats/split_hand.h"

#include <cstdint>

namespace quorvex {

namespace {

using Holdings = std::array<std::string, 4>; // spades, hearts, diamonds, clubs

// Appends the rank letters of hand 0..3 to the four holdings, each suit from the ace down.
void readHand(const ValidBoardLine& board, std::size_t hand, Holdings& holdings) {
    auto position = static_cast<std::uint16_t>(26 * hand + 1);
    SplitHandIntoSuits(board.text(), holdings[0], holdings[1], holdings[2], holdings[3], position,
                       static_cast<std::uint16_t>(position + 26));
}

} // namespace

void AppendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    for (std::size_t hand = 0; hand < 4; ++hand) {
        Holdings holdings;
        for (std::size_t suit = 0; suit < 4; ++suit) holdings[suit].assign(1, SuitMarks[suit]);
        readHand(board, hand, holdings);
        for (const std::string& holding : holdings) out += holding;
    }
}

void AppendDeepFinesseHandText(const ValidBoardLine& board, std::size_t hand, std::string& out) {
    Holdings holdings;
    readHand(board, hand, holdings);
    MarkVoids(holdings[0], holdings[1], holdings[2], holdings[3]);
    out += holdings[0];
    for (std::size_t suit = 1; suit < 4; ++suit) {
        out += ' ';
        out += holdings[suit];
    }
}

} // namespace quorvex
