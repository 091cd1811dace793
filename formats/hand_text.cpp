#include "formats/hand_text.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace quorvex {

// Every holding is copied as one block of 13 letters (the board keeps slack behind its
// letters, and the texts here behind their ends) and only its own length is kept: the
// holdings' lengths come in an order the processor cannot predict.

namespace {

// Copies the holding to `at` as a block of 13 bytes and returns where its letters end.
char* copyHolding(char* at, std::string_view holding) {
    std::memcpy(at, holding.data(), RanksPerSuit);
    return at + holding.size();
}

}  // namespace

void appendMarkedHandTexts(const ValidBoardLine& board, std::string& out) {
    appendWithSlack(out, MarkedHandTextsLength, [&board](char* at) {
        for (std::size_t hand = 0; hand < HandCount; ++hand)
            for (std::size_t suit = 0; suit < SuitCount; ++suit) {
                *at++ = SuitMarks[suit];
                at = copyHolding(at, board.holding(hand, suit));
            }
        return at;
    });
}

char* writeDeepFinesseHandText(const ValidBoardLine& board, int hand, char* at) {
    for (std::size_t suit = 0; suit < SuitCount; ++suit) {
        if (suit > 0) *at++ = ' ';
        const std::string_view holding = board.holding(static_cast<std::size_t>(hand), suit);
        char* const end = copyHolding(at, holding);
        at[0] = holding.empty() ? '-' : at[0];  // a void is written "-"
        at = std::max(end, at + 1);
    }
    return at;
}

void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out) {
    appendWithSlack(out, LongestDeepFinesseHandText,
                    [&board, hand](char* at) { return writeDeepFinesseHandText(board, hand, at); });
}

}  // namespace quorvex
