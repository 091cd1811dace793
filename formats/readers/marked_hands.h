#pragma once
// Hands written as rank letters behind the suit-mark bytes (the hand texts of a .dup or
// .dge record): for each hand from North on, byte 6 and its spades, byte 3 and its hearts,
// byte 4 and its diamonds, byte 5 and its clubs.
#include <string_view>

#include "formats/readers/deal_builder.h"

namespace quorvex {

// Gives the cards of the four hand texts in `bytes` to the builder. Raises BoardDefect for
// a missing mark, a byte that is no rank letter, a card twice, or bytes left over.
void giveMarkedHands(std::string_view bytes, DealBuilder& builder);

}  // namespace quorvex
