#pragma once
// Reading one hand of a board line into its four suit holdings of rank letters.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cards.h"
#include "engine/valid_board_line.h"

namespace quorvex {

// Reads two-digit card numbers from `boardLine` starting at the 1-based `position` and
// appends each card's rank letter to the holding of its suit, until `position` reaches
// `endPosition` (27, 53, 79, 105 for hands 0..3). Holdings are appended to, never cleared.
// A card number outside 1..52 adds nothing; a field that is not two digits raises the
// conversion error.
void SplitHandIntoSuits(std::string_view boardLine, std::string& spades, std::string& hearts,
                        std::string& diamonds, std::string& clubs, std::uint16_t& position,
                        std::uint16_t endPosition);

// A hand's four holdings: spades, hearts, diamonds, clubs.
using Holdings = std::array<std::string, SuitCount>;

// Appends the rank letters of hand 0..3 of `boardLine` to `holdings`, each suit from the
// ace down, as SplitHandIntoSuits reads them.
void splitHand(std::string_view boardLine, int hand, Holdings& holdings);

// The same from a checked board line, without reading its digits again.
void splitHand(const ValidBoardLine& board, int hand, Holdings& holdings);

// Each empty holding becomes "-".
void MarkVoids(std::string& spades, std::string& hearts, std::string& diamonds, std::string& clubs);

}  // namespace quorvex
