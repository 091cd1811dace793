#pragma once
// The 39 hand shapes: every way of splitting 13 cards into four suits, with the class each
// shape counts in.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/cards.h"

namespace quorvex {

enum class ShapeClass { Balanced, SemiBalanced, Shaped };

struct ShapeEntry {
    std::string_view Key;  // the suit lengths in descending order, written one after another
    ShapeClass Class;
    std::string_view Label;     // as the analysis report names it, "4-4-3-2"
    std::string_view Expected;  // the report's fixed expected share; "(0.(4)2%)" has 4 zeros after the point
};

// The index is the index into ShapeCount and into the report's shape rows.
inline constexpr std::array<ShapeEntry, 39> ShapeKeys{{
    {"4432", ShapeClass::Balanced, "4-4-3-2", "(21.55%)"},
    {"4333", ShapeClass::Balanced, "4-3-3-3", "(10.53%)"},
    {"4441", ShapeClass::SemiBalanced, "4-4-4-1", "(2.99%)"},
    {"5332", ShapeClass::Balanced, "5-3-3-2", "(15.52%)"},
    {"5431", ShapeClass::Shaped, "5-4-3-1", "(12.93%)"},
    {"5422", ShapeClass::SemiBalanced, "5-4-2-2", "(10.58%)"},
    {"5521", ShapeClass::Shaped, "5-5-2-1", "(3.17%)"},
    {"5440", ShapeClass::Shaped, "5-4-4-0", "(1.24%)"},
    {"5530", ShapeClass::Shaped, "5-5-3-0", "(0.90%)"},
    {"6322", ShapeClass::SemiBalanced, "6-3-2-2", "(5.64%)"},
    {"6421", ShapeClass::Shaped, "6-4-2-1", "(4.70%)"},
    {"6331", ShapeClass::Shaped, "6-3-3-1", "(3.45%)"},
    {"6430", ShapeClass::Shaped, "6-4-3-0", "(1.33%)"},
    {"6511", ShapeClass::Shaped, "6-5-1-1", "(0.70%)"},
    {"6520", ShapeClass::Shaped, "6-5-2-0", "(0.65%)"},
    {"6610", ShapeClass::Shaped, "6-6-1-0", "(0.07%)"},
    {"7321", ShapeClass::Shaped, "7-3-2-1", "(1.88%)"},
    {"7222", ShapeClass::Shaped, "7-2-2-2", "(0.51%)"},
    {"7411", ShapeClass::Shaped, "7-4-1-1", "(0.39%)"},
    {"7420", ShapeClass::Shaped, "7-4-2-0", "(0.36%)"},
    {"7330", ShapeClass::Shaped, "7-3-3-0", "(0.26%)"},
    {"7510", ShapeClass::Shaped, "7-5-1-0", "(0.11%)"},
    {"7600", ShapeClass::Shaped, "7-6-0-0", "(0.01%)"},
    {"8221", ShapeClass::Shaped, "8-2-2-1", "(0.19%)"},
    {"8311", ShapeClass::Shaped, "8-3-1-1", "(0.12%)"},
    {"8320", ShapeClass::Shaped, "8-3-2-0", "(0.11%)"},
    {"8410", ShapeClass::Shaped, "8-4-1-0", "(0.05%)"},
    {"8500", ShapeClass::Shaped, "8-5-0-0", "(0.003%)"},
    {"9211", ShapeClass::Shaped, "9-2-1-1", "(0.02%)"},
    {"9310", ShapeClass::Shaped, "9-3-1-0", "(0.01%)"},
    {"9220", ShapeClass::Shaped, "9-2-2-0", "(0.008%)"},
    {"9400", ShapeClass::Shaped, "9-4-0-0", "(0.001%)"},
    {"10210", ShapeClass::Shaped, "10-2-1-0", "(0.001%)"},
    {"10111", ShapeClass::Shaped, "10-1-1-1", "(0.0004%)"},
    {"10300", ShapeClass::Shaped, "10-3-0-0", "(0.0002%)"},
    {"11110", ShapeClass::Shaped, "11-1-1-0", "(0.(4)2%)"},
    {"11200", ShapeClass::Shaped, "11-2-0-0", "(0.(4)1%)"},
    {"12100", ShapeClass::Shaped, "12-1-0-0", "(0.(6)3%)"},
    {"13000", ShapeClass::Shaped, "13-0-0-0", "(0.(9)6%)"},
}};

// Four suit lengths of one hand, in any order.
using SuitLengths = std::array<unsigned, 4>;

// The shape key of a hand: its lengths sorted descending, as decimal numbers without
// separators: {2, 3, 4, 4} gives "4432", {0, 10, 1, 2} gives "10210".
std::string shapeKeyOf(SuitLengths lengths);

// The suit lengths a key spells, in its order: "10300" gives {10, 3, 0, 0}. Only the first
// length of a key can have two digits: the others are at most 13 - 10.
constexpr SuitLengths lengthsOfKey(std::string_view key) {
    const std::size_t firstDigits = key.size() - 3;
    SuitLengths lengths{};
    for (std::size_t i = 0; i < firstDigits; ++i)
        lengths[0] = 10 * lengths[0] + static_cast<unsigned>(key[i] - '0');
    for (std::size_t suit = 1; suit < lengths.size(); ++suit)
        lengths[suit] = static_cast<unsigned>(key[firstDigits + suit - 1] - '0');
    return lengths;
}

// The suit lengths of ShapeKeys[index], in descending order.
constexpr SuitLengths shapeLengths(std::size_t index) { return lengthsOfKey(ShapeKeys.at(index).Key); }

// Only a hand of 13 cards has a shape, and its first three lengths fix the fourth: the index
// into ShapeKeys of every such hand, by its first three lengths, in a table made when the
// program is built and small enough to stay in the processor's nearest cache.
inline constexpr unsigned SuitLengthLimit = 14;  // suit lengths 0..13
inline constexpr auto ShapeIndexByFirstThreeLengths = [] {
    std::array<std::int8_t, SuitLengthLimit * SuitLengthLimit * SuitLengthLimit> table{};
    for (unsigned spades = 0; spades < SuitLengthLimit; ++spades)
        for (unsigned hearts = 0; hearts < SuitLengthLimit; ++hearts)
            for (unsigned diamonds = 0; diamonds < SuitLengthLimit; ++diamonds) {
                std::int8_t& slot = table[(spades * SuitLengthLimit + hearts) * SuitLengthLimit + diamonds];
                slot = -1;
                if (spades + hearts + diamonds >= SuitLengthLimit) continue;
                SuitLengths sorted = {spades, hearts, diamonds, CardsPerHand - spades - hearts - diamonds};
                for (std::size_t i = 1; i < sorted.size(); ++i)  // descending, by insertion
                    for (std::size_t j = i; j > 0 && sorted[j - 1] < sorted[j]; --j)
                        std::swap(sorted[j - 1], sorted[j]);
                for (std::size_t index = 0; index < ShapeKeys.size(); ++index)
                    if (shapeLengths(index) == sorted) slot = static_cast<std::int8_t>(index);
            }
    return table;
}();

// The index into ShapeKeys of a hand of 13 cards with these spade, heart and diamond lengths:
// one load, for the hands of checked board lines.
constexpr std::size_t shapeIndexOfHand(unsigned spades, unsigned hearts, unsigned diamonds) {
    return static_cast<std::size_t>(
        ShapeIndexByFirstThreeLengths[(spades * SuitLengthLimit + hearts) * SuitLengthLimit + diamonds]);
}

// Index into ShapeKeys of the entry whose key equals the hand's shape key, or -1 when
// none does (a hand of other than 13 cards). A length above 13 raises ERangeError.
int shapeIndexOf(SuitLengths lengths);

}  // namespace quorvex
