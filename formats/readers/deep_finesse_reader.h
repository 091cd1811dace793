#pragma once
// Reads a Deep Finesse text file: five lines per board, "Deal: <board>" with North's hand,
// "Contract: ..." with East's and South's, "OnLead: ..." with West's, "Lead: ...", and an
// empty line. A hand is four holdings (spades, hearts, diamonds, clubs) of rank letters,
// a void written "-", separated by blanks.
#include <string>
#include <string_view>

#include "formats/readers/read_board.h"

namespace quorvex {

// Raises DealFileError naming the board for a line that does not start as the format says,
// a wrong number of holdings, a character that is no rank letter, a board number that is
// not a positive number, a damaged deal, or a file that ends within a board.
DealFile readDeepFinesseFile(const std::string& path, std::string_view bytes);

}  // namespace quorvex
