#pragma once
// The words every part of the program uses for a deal: hands (seats), suits, ranks and
// card numbers, and where each hand stands in a board line.
//
// Cards are numbered 1..52: spades ace down to two (1..13), then hearts, diamonds and
// clubs, so ascending card numbers list each suit from the ace down. A board line holds
// the 13 card numbers of North, East, South and West in turn, two digits each.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvex {

enum Hand : int { North = 0, East = 1, South = 2, West = 3 };
inline constexpr int HandCount = 4;
inline constexpr int CardsPerHand = 13;
inline constexpr int CardsPerDeal = HandCount * CardsPerHand;

// One letter per hand, in hand order.
inline constexpr std::string_view HandLetters = "NESW";

// Each hand's name, in hand order, as messages show it.
inline constexpr std::array<std::string_view, 4> HandNames = {"North", "East", "South", "West"};

enum Suit : int { Spades = 0, Hearts = 1, Diamonds = 2, Clubs = 3 };
inline constexpr int SuitCount = 4;
inline constexpr int RanksPerSuit = 13;

// Each suit's name, in suit order, as messages show it.
inline constexpr std::array<std::string_view, 4> SuitNames = {"spades", "hearts", "diamonds", "clubs"};

// The ranks of a suit from the ace down to the two, as card numbers run within each suit.
inline constexpr std::string_view RankLetters = "AKQJT98765432";

// Suit of card number 1..52.
constexpr Suit suitOf(int cardNumber) { return static_cast<Suit>((cardNumber - 1) / RanksPerSuit); }

// Rank index 0 (ace) .. 12 (two) of card number 1..52.
constexpr int rankIndexOf(int cardNumber) { return (cardNumber - 1) % RanksPerSuit; }

// Rank letter of card number 1..52. Inline: the writers call it for every card of up to a
// million boards.
constexpr char cardLetter(int cardNumber) {
    return RankLetters[static_cast<std::size_t>(rankIndexOf(cardNumber))];
}

// The hand holding card field 0..51 of a board line.
constexpr int handOfField(int field) { return field / CardsPerHand; }

// Where a hand's cards stand in a board line, as 1-based character positions: from
// handStartPosition(h) up to, not including, handEndPosition(h).
constexpr std::uint16_t handStartPosition(int hand) {
    return static_cast<std::uint16_t>(2 * CardsPerHand * hand + 1);
}
constexpr std::uint16_t handEndPosition(int hand) { return handStartPosition(hand + 1); }

}  // namespace quorvex
