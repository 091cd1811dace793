#pragma once
// One board as the main deal file stores it: the 52 card numbers of hands 0..3 in turn,
// each as two decimal digits ("01".."52").
#include <cstddef>
#include <span>
#include <string>

#include "engine/deal_numbering.h"

namespace quorvex {

inline constexpr std::size_t BoardLineLength = 2 * CardsPerDeal;

// Writes the board line into out without allocating. Throws ERangeError when a card
// number lies outside 1..52.
void formatBoardLine(const ByHandDeal& deal, std::span<char, BoardLineLength> out);

std::string boardLine(const ByHandDeal& deal);

}  // namespace quorvex
