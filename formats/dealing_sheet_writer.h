#pragma once
// Duplication sheets: what a club without a dealing machine makes its boards up from. For
// every board the 52 cards in the order a person sorts a deck into (spades from the ace
// down to the two, then hearts, diamonds, clubs), each with the seat that receives it,
// one line per suit: holding the sorted deck, the director deals a board by reading the
// lines from left to right. One document per set, beside the hand records.
#include <string_view>

#include "common/staged_files.h"
#include "formats/conversion_settings.h"

namespace quorvex {

inline constexpr std::string_view DealingSheetExtension = "-dealing.html";

// One document per set, `<base><set>-dealing.html`, titled like the hand records.
void writeDealingSheetFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
