#pragma once
// Suit, rank, letter and high-card points of each card number, looked up rather than
// computed: the writers and the analysis ask for them for every card of up to a million
// boards, where a division per card shows.
#include <array>
#include <cstdint>

#include "engine/cards.h"
#include "engine/high_card_points.h"

namespace quorvex {

struct CardFace {
    std::uint8_t suit = 0;       // 0 spades .. 3 clubs
    std::uint8_t rankIndex = 0;  // 0 ace .. 12 two
    std::uint8_t points = 0;
    char letter = 0;
};

// Indexed by card number 1..52; entry 0 is unused.
inline constexpr std::array<CardFace, CardsPerDeal + 1> CardFaces = [] {
    std::array<CardFace, CardsPerDeal + 1> faces{};
    for (int card = 1; card <= CardsPerDeal; ++card)
        faces[static_cast<std::size_t>(card)] = {
            static_cast<std::uint8_t>(suitOf(card)), static_cast<std::uint8_t>(rankIndexOf(card)),
            static_cast<std::uint8_t>(highCardPoints(cardLetter(card))), cardLetter(card)};
    return faces;
}();

inline const CardFace& faceOf(int card) { return CardFaces[static_cast<std::size_t>(card)]; }

}  // namespace quorvex
