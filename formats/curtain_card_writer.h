#pragma once
// Curtain cards: the slips that travel in a board's pockets, one per seat, so players can
// check the hand they picked up against the one dealt. Each slip names the board, the
// seat, the dealer and the vulnerability and lists the seat's thirteen cards by suit; the
// four slips of a board fill half a printed page, with cut lines between them.
#include <string_view>

#include "common/staged_files.h"
#include "formats/conversion_settings.h"

namespace quorvex {

inline constexpr std::string_view CurtainCardExtension = "-curtain.html";

// One document per set, `<base><set>-curtain.html`, titled like the hand records.
void writeCurtainCardFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
