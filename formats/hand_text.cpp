#include "formats/hand_text.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/unroll.h"

namespace quorvex {

// The marked texts are the board's letters with the marks put in their gaps. A Deep Finesse
// hand with a void copies each holding as one block of 13 letters (the board keeps slack
// behind its letters, and the text behind its end) and keeps only its own length: the
// holdings' lengths come in an order the processor cannot predict.

namespace {

// Copies the holding to `at` as a block of 13 bytes and returns where its letters end.
char* copyHolding(char* at, std::string_view holding) {
    std::memcpy(at, holding.data(), RanksPerSuit);
    return at + holding.size();
}

}  // namespace

char* writeMarkedHandTexts(const ValidBoardLine& board, char* at) {
    std::memcpy(at, board.lettersWithSuitGaps().data(), MarkedHandTextsLength);
    // The gaps are taken into two registers first: a byte stored through `at` might, for all
    // the compiler knows, change them, and it would read each one again after every mark.
    std::array<std::uint64_t, 2> gaps;
    static_assert(sizeof gaps == sizeof board.suitGaps());
    std::memcpy(gaps.data(), board.suitGaps().data(), sizeof gaps);
    QUORVEX_UNROLL(16)
    for (std::size_t gap = 0; gap < ValidBoardLine::GapCount; ++gap)
        at[(gaps[gap / 8] >> (8 * (gap % 8))) & 0xFF] = SuitMarks[gap % SuitCount];
    return at + MarkedHandTextsLength;
}

char* writeDeepFinesseHandText(const ValidBoardLine& board, int hand, char* at) {
    const auto h = static_cast<std::size_t>(hand);
    if (board.suitLength(h, Spades) && board.suitLength(h, Hearts) && board.suitLength(h, Diamonds) &&
        board.suitLength(h, Clubs)) {
        // Most hands have no void: the hand's letters after its first gap, the other gaps blank.
        const std::size_t first = ValidBoardLine::HandWithGapsLength * h + 1;
        std::memcpy(at, board.lettersWithSuitGaps().data() + first, ValidBoardLine::HandWithGapsLength - 1);
        for (std::size_t suit = 1; suit < SuitCount; ++suit) at[board.suitGap(h, suit) - first] = ' ';
        return at + ValidBoardLine::HandWithGapsLength - 1;
    }
    for (std::size_t suit = 0; suit < SuitCount; ++suit) {
        if (suit > 0) *at++ = ' ';
        const std::string_view holding = board.holding(h, suit);
        char* const end = copyHolding(at, holding);
        at[0] = holding.empty() ? '-' : at[0];  // a void is written "-"
        at = std::max(end, at + 1);
    }
    return at;
}

}  // namespace quorvex
