#include "analysis/shape_keys.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/range_error.h"
#include "engine/cards.h"

namespace quorvex {

namespace {

constexpr unsigned LengthLimit = 14;  // suit lengths 0..13
constexpr auto HandCards = static_cast<unsigned>(CardsPerHand);

SuitLengths sortedDescending(SuitLengths lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

int findKey(std::string_view key) {
    const auto found = std::find_if(ShapeKeys.begin(), ShapeKeys.end(),
                                    [key](const ShapeEntry& entry) { return entry.Key == key; });
    return found == ShapeKeys.end() ? -1 : static_cast<int>(found - ShapeKeys.begin());
}

// Only a hand of 13 cards has a shape, and its first three lengths fix the fourth: the index
// of every such hand is found once by comparing keys and kept by its first three lengths, in
// a table small enough to stay in the processor's nearest cache over a million boards.
std::size_t slotOf(unsigned spades, unsigned hearts, unsigned diamonds) {
    return (spades * LengthLimit + hearts) * LengthLimit + diamonds;
}

std::vector<std::int8_t> buildShapeIndexTable() {
    std::vector<std::int8_t> table(LengthLimit * LengthLimit * LengthLimit, -1);
    for (unsigned spades = 0; spades < LengthLimit; ++spades)
        for (unsigned hearts = 0; spades + hearts < LengthLimit; ++hearts)
            for (unsigned diamonds = 0; spades + hearts + diamonds < LengthLimit; ++diamonds)
                table[slotOf(spades, hearts, diamonds)] = static_cast<std::int8_t>(
                    findKey(shapeKeyOf({spades, hearts, diamonds, HandCards - spades - hearts - diamonds})));
    return table;
}

}  // namespace

std::string shapeKeyOf(SuitLengths lengths) {
    std::string key;
    for (unsigned length : sortedDescending(lengths)) key += std::to_string(length);
    return key;
}

int shapeIndexOf(SuitLengths lengths) {
    static const std::vector<std::int8_t> table = buildShapeIndexTable();
    if ((lengths[0] >= LengthLimit) | (lengths[1] >= LengthLimit) | (lengths[2] >= LengthLimit) |
        (lengths[3] >= LengthLimit))
        throw ERangeError();
    if (lengths[0] + lengths[1] + lengths[2] + lengths[3] != HandCards) return -1;
    return table[slotOf(lengths[0], lengths[1], lengths[2])];
}

SuitLengths shapeLengths(std::size_t index) {
    const std::string_view key = ShapeKeys.at(index).Key;
    // Only the first length can have two digits: the others are at most 13 - 10.
    const std::size_t firstDigits = key.size() - 3;
    SuitLengths lengths{};
    for (std::size_t i = 0; i < firstDigits; ++i)
        lengths[0] = 10 * lengths[0] + static_cast<unsigned>(key[i] - '0');
    for (std::size_t suit = 1; suit < lengths.size(); ++suit)
        lengths[suit] = static_cast<unsigned>(key[firstDigits + suit - 1] - '0');
    return lengths;
}

}  // namespace quorvex
