#include "engine/split_hand.h"

#include "common/conversion_error.h"

namespace quorvex {

void SplitHandIntoSuits(std::string_view boardLine, std::string& spades, std::string& hearts,
                        std::string& diamonds, std::string& clubs, std::uint16_t& position,
                        std::uint16_t endPosition) {
    std::string* const holdings[4] = {&spades, &hearts, &diamonds, &clubs};
    do {
        const int card = twoDigitNumber(boardLine, position - 1u);
        if (card >= 1 && card <= 52) holdings[suitOf(card)]->push_back(cardLetter(card));
        position = static_cast<std::uint16_t>(position + 2);
    } while (position < endPosition);
}

void splitHand(std::string_view boardLine, int hand, Holdings& holdings) {
    std::uint16_t position = handStartPosition(hand);
    SplitHandIntoSuits(boardLine, holdings[Spades], holdings[Hearts], holdings[Diamonds], holdings[Clubs],
                       position, handEndPosition(hand));
}

void splitHand(const ValidBoardLine& board, int hand, Holdings& holdings) {
    for (std::size_t suit = 0; suit < SuitCount; ++suit)
        holdings[suit] += board.holding(static_cast<std::size_t>(hand), suit);
}

void MarkVoids(std::string& spades, std::string& hearts, std::string& diamonds, std::string& clubs) {
    for (std::string* holding : {&spades, &hearts, &diamonds, &clubs})
        if (holding->empty()) holding->push_back('-');
}

}  // namespace quorvex
