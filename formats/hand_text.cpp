#include "formats/hand_text.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace quorvex {

// Every holding is copied as one block of 13 letters (the board keeps slack behind its
// letters, and the texts here behind their ends) and only its own length is kept: no call
// and no branch per holding, whose lengths come in an order the processor cannot predict.
// The texts are written straight into `out`: a text built apart and then appended is read
// back from many small stores, which the processor cannot forward to one wide load.

namespace {

// Appends what `write` writes from the position it is given, at most `most` bytes, to `out`;
// `write` returns where its text ends and may write 13 bytes past that.
template <class Write>
void appendWithSlack(std::string& out, std::size_t most, Write write) {
    const std::size_t start = out.size();
    out.resize(start + most + RanksPerSuit);
    const char* const end = write(out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

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

void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out) {
    // Thirteen letters, three blanks and at most three "-" for voids.
    appendWithSlack(out, CardsPerHand + 3 + 3, [&board, hand](char* at) {
        for (std::size_t suit = 0; suit < SuitCount; ++suit) {
            if (suit > 0) *at++ = ' ';
            const std::string_view holding = board.holding(static_cast<std::size_t>(hand), suit);
            char* const end = copyHolding(at, holding);
            at[0] = holding.empty() ? '-' : at[0];  // a void is written "-"
            at = std::max(end, at + 1);
        }
        return at;
    });
}

}  // namespace quorvex
