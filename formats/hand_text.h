#pragma once
// The two ways the writers show a hand in rank letters: behind the suit-mark bytes of the
// record formats, and with blanks and "-" for voids in the Deep Finesse file.
#include <array>
#include <cstddef>
#include <string>

#include "engine/cards.h"
#include "engine/valid_board_line.h"

namespace quorvex {

// Bytes put before the spade, heart, diamond and club holdings; in code page 437 they
// show as the four suit symbols.
inline constexpr std::array<char, SuitCount> SuitMarks = {'\x06', '\x03', '\x04', '\x05'};

inline constexpr std::size_t MarkedHandTextLength = 17;  // four marks, thirteen letters
inline constexpr std::size_t MarkedHandTextsLength = HandCount * MarkedHandTextLength;

// Writes North's, East's, South's and West's marked texts one after the other from `at`
// (MarkedHandTextsLength bytes) and returns where they end. A void leaves its mark followed
// directly by the next mark.
char* writeMarkedHandTexts(const ValidBoardLine& board, char* at);

// The longest Deep Finesse hand text: thirteen letters, three blanks and three voids.
inline constexpr std::size_t LongestDeepFinesseHandText = CardsPerHand + 3 + 3;

// Writes one hand (0 North .. 3 West) from `at` as Deep Finesse shows it: the spade, heart,
// diamond and club holdings joined by one blank, a void written "-". Returns where the text
// ends; may write 13 bytes past its end.
char* writeDeepFinesseHandText(const ValidBoardLine& board, int hand, char* at);

}  // namespace quorvex
