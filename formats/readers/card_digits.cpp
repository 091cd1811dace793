#include "formats/readers/card_digits.h"

#include <string>

#include "formats/readers/deal_file_error.h"

namespace quorvex {

void giveCardDigits(std::string_view digits, DealBuilder& builder) {
    int previous = 0;
    for (std::size_t field = 0; 2 * field + 1 < digits.size(); ++field) {
        const auto hand = static_cast<std::size_t>(handOfField(static_cast<int>(field)));
        if (field % CardsPerHand == 0) previous = 0;
        const char tens = digits[2 * field];
        const char units = digits[2 * field + 1];
        if (tens < '0' || tens > '9' || units < '0' || units > '9')
            throw BoardDefect("'" + std::string(digits.substr(2 * field, 2)) + "' in " +
                              std::string(HandNames[hand]) + "'s card numbers is not a card number");
        const int card = (tens - '0') * 10 + (units - '0');
        builder.give(card, hand);
        if (card < previous)
            throw BoardDefect(std::string(HandNames[hand]) + "'s card numbers do not ascend (" +
                              std::to_string(previous) + " before " + std::to_string(card) + ")");
        previous = card;
    }
}

}  // namespace quorvex
