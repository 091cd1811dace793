#include "formats/hand_text.h"

#include "formats/split_hand.h"

#include <cstdint>

namespace quorvex {

namespace {

// Where each hand's card numbers end in a board line, counted from 1.
constexpr std::array<std::uint16_t, 4> HandEndPositions = {27, 53, 79, 105};

using Holdings = std::array<std::string, 4>; // spades, hearts, diamonds, clubs

// Splits the four hands in turn; each hand's holdings start from `prefixes`.
std::array<Holdings, 4> splitHands(const ValidBoardLine& board, const Holdings& prefixes) {
    std::array<Holdings, 4> hands;
    std::uint16_t position = 1;
    for (std::size_t hand = 0; hand < hands.size(); ++hand) {
        Holdings& h = hands[hand];
        h = prefixes;
        SplitHandIntoSuits(board.text(), h[0], h[1], h[2], h[3], position, HandEndPositions[hand]);
    }
    return hands;
}

} // namespace

std::string MarkedHandTexts(const ValidBoardLine& board) {
    const Holdings marks = {std::string(1, SuitMarks[0]), std::string(1, SuitMarks[1]),
                            std::string(1, SuitMarks[2]), std::string(1, SuitMarks[3])};
    std::string text;
    text.reserve(4 * MarkedHandTextLength);
    for (const Holdings& hand : splitHands(board, marks))
        for (const std::string& holding : hand) text += holding;
    return text;
}

std::array<std::string, 4> DeepFinesseHandTexts(const ValidBoardLine& board) {
    std::array<std::string, 4> texts;
    std::array<Holdings, 4> hands = splitHands(board, Holdings{});
    for (std::size_t hand = 0; hand < hands.size(); ++hand) {
        Holdings& h = hands[hand];
        MarkVoids(h[0], h[1], h[2], h[3]);
        texts[hand] = h[0] + ' ' + h[1] + ' ' + h[2] + ' ' + h[3];
    }
    return texts;
}

} // namespace quorvex
