#pragma once
// Reads Portable Bridge Notation as files from other programs come, in import format as
// well as export format: tags in any order, "%" lines, "{...}" and ";" comments, games
// separated by empty lines, CR LF or LF line ends, "#" for a value copied from the game
// before, any first seat in the Deal tag. The Board, Dealer and Vulnerable tags are read
// where present, and the double-dummy tags the program writes (DoubleDummyTricks,
// OptimumScore, ParContract) where all three are; all other tags and the play and
// auction sections are passed over.
#include <string>
#include <string_view>

#include "formats/readers/read_board.h"

namespace quorvex {

// A game without a Board tag is numbered by its place among the file's games. Raises
// DealFileError naming the board (or the line) for a malformed tag, a tag twice in one
// game, a game without a Deal tag, a missing hand ("-"), a hand of other than 13 cards, a
// card twice, an unknown Dealer or Vulnerable value, or a file without games.
DealFile readPbnFile(const std::string& path, std::string_view bytes);

}  // namespace quorvex
