#pragma once
// Dealer and vulnerability of a board by its number, as Law 2 of the Laws of Duplicate
// Bridge rotates them: the dealer moves clockwise from North with every board, and the
// vulnerability runs through a fixed cycle of 16 boards. Board numbers start at 1.
#include <array>
#include <cstddef>
#include <string_view>

#include "engine/cards.h"

namespace quorvex {

enum Vulnerability : std::size_t {
    NoneVulnerable = 0,
    NorthSouthVulnerable,
    EastWestVulnerable,
    BothVulnerable
};

// The names hand records and PBN files use, in the order of Vulnerability.
inline constexpr std::array<std::string_view, 4> VulnerabilityNames = {"None", "NS", "EW", "All"};

constexpr Hand dealerOfBoard(unsigned boardNumber) {
    return static_cast<Hand>((boardNumber - 1) % HandCount);
}

constexpr Vulnerability vulnerabilityOfBoard(unsigned boardNumber) {
    constexpr Vulnerability None = NoneVulnerable, NS = NorthSouthVulnerable, EW = EastWestVulnerable,
                            All = BothVulnerable;
    constexpr std::array<Vulnerability, 16> cycle = {None, NS,  EW,   All, NS,  EW,   All, None,
                                                     EW,   All, None, NS,  All, None, NS,  EW};
    return cycle[(boardNumber - 1) % cycle.size()];
}

}  // namespace quorvex
