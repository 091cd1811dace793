#pragma once
// The problems one board shows by itself, as the check and the conversion name them: a
// degenerate deal, and a Dealer or Vulnerable that breaks the rotation of the Laws.
#include <string>
#include <vector>

#include "formats/readers/read_board.h"

namespace quorvex {

// Adds "file: board N: what" for a hand holding a whole suit, or one line when every hand
// holds one.
void findDegenerateDeal(const DealFile& file, const ReadBoard& board, std::vector<std::string>& problems);

// Adds "file: board N: what" for a Dealer or Vulnerable the file states (PBN) that is not
// the one Law 2 gives the board number: a board played with another one scores wrong.
void findRotationBreaks(const DealFile& file, const ReadBoard& board, std::vector<std::string>& problems);

// What a conversion of `file` changes or passes on without refusing it, each as a line for
// the director: a Dealer or Vulnerable the converted files give their Law 2 value instead,
// and a deal the set holds twice.
std::vector<std::string> conversionWarnings(const DealFile& file);

}  // namespace quorvex
