#include "formats/readers/card_digits.h"

#include <string>

#include "common/decimal_number.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/excerpt.h"

namespace quorvex {

void giveCardDigits(std::string_view digits, DealBuilder& builder) {
    int previous = 0;
    for (std::size_t field = 0; 2 * field + 1 < digits.size(); ++field) {
        const auto hand = static_cast<std::size_t>(handOfField(static_cast<int>(field)));
        if (field % CardsPerHand == 0) previous = 0;
        const std::optional<unsigned long long> number = decimalNumberOf(digits.substr(2 * field, 2), 2);
        if (!number)
            throw BoardDefect(excerpt(digits.substr(2 * field, 2)) + " in " + std::string(HandNames[hand]) +
                              "'s card numbers is not a card number");
        const int card = static_cast<int>(*number);
        builder.give(card, hand);
        if (card < previous)
            throw BoardDefect(std::string(HandNames[hand]) + "'s card numbers do not ascend (" +
                              std::to_string(previous) + " before " + std::to_string(card) + ")");
        previous = card;
    }
}

}  // namespace quorvex
