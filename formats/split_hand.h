#pragma once
// Reading one hand of a board line into its four suit holdings of rank letters.
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// The ranks of a suit from the ace down to the two, as card numbers run within each suit.
inline constexpr std::string_view RankLetters = "AKQJT98765432";

// Rank letter of card number 1..52.
// Inline: the writers call it for every card of up to a million boards.
constexpr char cardLetter(int cardNumber) {
    return RankLetters[static_cast<std::size_t>((cardNumber - 1) % 13)];
}

// Reads two-digit card numbers from `boardLine` starting at the 1-based `position` and
// appends each card's rank letter to the holding of its suit, until `position` reaches
// `endPosition` (27, 53, 79, 105 for hands 0..3). Holdings are appended to, never cleared.
// A card number outside 1..52 adds nothing; a field that is not two digits raises the
// conversion error.
void SplitHandIntoSuits(std::string_view boardLine, std::string& spades, std::string& hearts,
                        std::string& diamonds, std::string& clubs, std::uint16_t& position,
                        std::uint16_t endPosition);

// Each empty holding becomes "-".
void MarkVoids(std::string& spades, std::string& hearts, std::string& diamonds, std::string& clubs);

} // namespace quorvex
