#include "analysis/shape_keys.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/range_error.h"

namespace quorvex {

namespace {

constexpr unsigned LengthLimit = 14;  // suit lengths 0..13

SuitLengths sortedDescending(SuitLengths lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

std::size_t slotOf(const SuitLengths& lengths) {
    std::size_t slot = 0;
    for (unsigned length : lengths) slot = slot * LengthLimit + length;
    return slot;
}

int findKey(std::string_view key) {
    const auto found = std::find_if(ShapeKeys.begin(), ShapeKeys.end(),
                                    [key](const ShapeEntry& entry) { return entry.Key == key; });
    return found == ShapeKeys.end() ? -1 : static_cast<int>(found - ShapeKeys.begin());
}

// Building and comparing a key string for every hand is slow over a million boards, so the
// index of every possible set of lengths, in every order, is found once by that comparison.
std::vector<std::int8_t> buildShapeIndexTable() {
    std::vector<std::int8_t> table(LengthLimit * LengthLimit * LengthLimit * LengthLimit);
    for (std::size_t slot = 0; slot < table.size(); ++slot) {
        SuitLengths lengths{};
        for (std::size_t suit = lengths.size(), rest = slot; suit-- > 0; rest /= LengthLimit)
            lengths[suit] = static_cast<unsigned>(rest % LengthLimit);
        table[slot] = static_cast<std::int8_t>(findKey(shapeKeyOf(lengths)));
    }
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
    for (unsigned length : lengths)
        if (length >= LengthLimit) throw ERangeError();
    return table[slotOf(lengths)];
}

}  // namespace quorvex
