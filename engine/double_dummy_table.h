#pragma once
// The double-dummy result of one board: the tricks each declarer takes in each
// denomination with best play by all four hands, and the par for the board's dealer and
// vulnerability. The analysis computes it; the PBN file and the hand records print it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards.h"

namespace quorvex {

// Denominations in the order result tables list them: no trump, then the suits.
enum Denomination : std::size_t { NoTrump = 0, SpadeTrumps, HeartTrumps, DiamondTrumps, ClubTrumps };
inline constexpr std::size_t DenominationCount = 5;

// The names result tables use, in the order of Denomination.
inline constexpr std::array<std::string_view, DenominationCount> DenominationNames = {"NT", "S", "H", "D",
                                                                                      "C"};

constexpr Denomination trumpsOf(Suit suit) { return static_cast<Denomination>(suit + 1); }

struct DoubleDummyTable {
    // tricks[declarer][denomination], declarer by hand (North, East, South, West).
    std::array<std::array<std::uint8_t, DenominationCount>, HandCount> tricks{};
    int parScore = 0;  // from North-South's side: negative when East-West score
    // The contracts that reach the par score, as the double-dummy library writes them:
    // "4S-NS+1" (North or South make four spades with an overtrick), "5H*-EW-2" (East or
    // West go two down doubled as a sacrifice).
    std::vector<std::string> parContracts;

    bool operator==(const DoubleDummyTable&) const = default;
};

}  // namespace quorvex
