#include "formats/split_hand.h"

#include "common/conversion_error.h"

namespace quorvex {

void SplitHandIntoSuits(std::string_view boardLine, std::string& spades, std::string& hearts,
                        std::string& diamonds, std::string& clubs, std::uint16_t& position,
                        std::uint16_t endPosition) {
    std::string* const holdings[4] = {&spades, &hearts, &diamonds, &clubs};
    do {
        const int card = twoDigitNumber(boardLine, position - 1u);
        if (card >= 1 && card <= 52) holdings[(card - 1) / 13]->push_back(cardLetter(card));
        position = static_cast<std::uint16_t>(position + 2);
    } while (position < endPosition);
}

void MarkVoids(std::string& spades, std::string& hearts, std::string& diamonds, std::string& clubs) {
    for (std::string* holding : {&spades, &hearts, &diamonds, &clubs})
        if (holding->empty()) holding->push_back('-');
}

} // namespace quorvex
