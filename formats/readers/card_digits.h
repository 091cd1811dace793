#pragma once
// Hands written as two-digit card numbers (the main deal file's board line, the first 78
// characters of a .dup or .bri record).
#include <cstddef>
#include <string_view>

#include "formats/readers/deal_builder.h"

namespace quorvex {

// Gives the 13 card numbers of each hand in `digits` (26 characters per hand, hands from
// North on) to the builder. Raises BoardDefect for a field that is not two digits, a card
// that is no card or appears twice, and a hand whose cards do not ascend: the program
// writes them ascending, and every writer refuses them otherwise.
void giveCardDigits(std::string_view digits, DealBuilder& builder);

}  // namespace quorvex
