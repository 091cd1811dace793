#pragma once
// The two ways the writers show a hand in rank letters: behind the suit-mark bytes of the
// record formats, and with blanks and "-" for voids in the Deep Finesse file.
#include "formats/valid_board_line.h"

#include <array>
#include <cstddef>
#include <string>

namespace quorvex {

// Bytes put before the spade, heart, diamond and club holdings; in code page 437 they
// show as the four suit symbols.
inline constexpr std::array<char, 4> SuitMarks = {'\x06', '\x03', '\x04', '\x05'};

inline constexpr std::size_t MarkedHandTextLength = 17; // four marks, thirteen letters

// North's, East's, South's and West's marked texts one after the other (68 bytes). A void
// leaves its mark followed directly by the next mark.
std::string MarkedHandTexts(const ValidBoardLine& board);

// The four hands (North, East, South, West) as Deep Finesse shows them: the spade, heart,
// diamond and club holdings joined by one blank, a void written "-".
std::array<std::string, 4> DeepFinesseHandTexts(const ValidBoardLine& board);

} // namespace quorvex
