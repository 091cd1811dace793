#pragma once
// The bijection between deal numbers 0 .. DealCount-1 and bridge deals.
//
// Cards are numbered 1..52: spades ace down to two (1..13), then hearts, diamonds and
// clubs. Hands are 0 North, 1 East, 2 South, 3 West. A deal number is, in mixed radix
// with hand 0 most significant,
//   number = r0 x C(39,13) x C(26,13) + r1 x C(26,13) + r2,
// where r_h is the lexicographic rank of hand h's positions among the cards not yet
// given to hands 0..h-1 (hand 3 takes what is left).
#include <array>
#include <cstdint>

#include "engine/cards.h"
#include "engine/mp.h"

namespace quorvex {

// Four groups of 13, group h for hand h. With the cards not given to hands 0..h-1 listed
// in ascending order and hand h holding positions c_0 < ... < c_12 of that list, byte j
// of group h is c_j - j, so each group is non-decreasing and group 3 is all zeros.
using InternalDeal = std::array<std::uint8_t, 52>;

// Four groups of 13 card numbers, group h for hand h, each strictly ascending.
using ByHandDeal = std::array<std::uint8_t, 52>;

// 52! / (13!)^4 = 53,644,737,765,488,792,839,237,440,000, the number of distinct deals.
inline constexpr MpInt DealCount{{0xAD, 0x55, 0xE3, 0x15, 0x63, 0x4D, 0xDA, 0x65, 0x8B, 0xF4, 0x92, 0x00}};

// True iff number < DealCount.
bool isValidHandNumber(const MpInt& number);

// The internal layout of the deal with this number. Throws ERangeError when the number
// is not valid, instead of producing a deal that is not one.
InternalDeal dealNumberToInternalDeal(const MpInt& number);

// The card numbers of each hand, read off the internal layout. Throws ERangeError for a
// layout that no deal has (a group decreasing or reaching past the cards left).
ByHandDeal internalDealToByHand(const InternalDeal& internal);

}  // namespace quorvex
