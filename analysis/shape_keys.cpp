#include "analysis/shape_keys.h"

#include "common/range_error.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace quorvex {

namespace {

constexpr unsigned LengthLimit = 14; // suit lengths 0..13

SuitLengths sortedDescending(SuitLengths lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

std::size_t slotOf(const SuitLengths& sorted) {
    std::size_t slot = 0;
    for (unsigned length : sorted) slot = slot * LengthLimit + length;
    return slot;
}

int findKey(std::string_view key) {
    const auto found = std::find_if(ShapeKeys.begin(), ShapeKeys.end(),
                                    [key](const ShapeEntry& entry) { return entry.Key == key; });
    return found == ShapeKeys.end() ? -1 : static_cast<int>(found - ShapeKeys.begin());
}

// Looking up a key string for every hand is slow over a million boards, so the index of
// every possible sorted set of lengths is found once, by the key comparison itself.
std::vector<std::int8_t> buildShapeIndexTable() {
    std::vector<std::int8_t> table(LengthLimit * LengthLimit * LengthLimit * LengthLimit, -1);
    for (unsigned a = 0; a < LengthLimit; ++a)
        for (unsigned b = 0; b <= a; ++b)
            for (unsigned c = 0; c <= b; ++c)
                for (unsigned d = 0; d <= c; ++d) {
                    const SuitLengths sorted{a, b, c, d};
                    table[slotOf(sorted)] = static_cast<std::int8_t>(findKey(shapeKeyOf(sorted)));
                }
    return table;
}

} // namespace

std::string shapeKeyOf(SuitLengths lengths) {
    std::string key;
    for (unsigned length : sortedDescending(lengths)) key += std::to_string(length);
    return key;
}

int shapeIndexOf(SuitLengths lengths) {
    static const std::vector<std::int8_t> table = buildShapeIndexTable();
    const SuitLengths sorted = sortedDescending(lengths);
    if (sorted[0] >= LengthLimit) throw ERangeError();
    return table[slotOf(sorted)];
}

} // namespace quorvex
